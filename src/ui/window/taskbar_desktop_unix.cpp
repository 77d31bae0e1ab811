#include "ui/window/taskbar_desktop.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>

namespace {

constexpr double kWhole = 100.0;

// Docks that show progress on a launcher icon (Plasma's task manager, Dash to Dock, Plank)
// read this signal for the desktop file the window named itself by.
class LauncherEntry : public TaskbarDesktop {
public:
    void show(int percent, bool failing) override { update(percent / kWhole, true, failing); }
    void clear() override { update(0, false, false); }

private:
    // Only on a session bus the desktop gave: asking for one where none runs could start
    // one that outlives the program.
    static void update(double progress, bool visible, bool urgent)
    {
        if (!qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"))
            return;
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected())
            return;
        QDBusMessage message =
            QDBusMessage::createSignal(QStringLiteral("/com/zemra/bilvex_config"),
                                       QStringLiteral("com.canonical.Unity.LauncherEntry"), QStringLiteral("Update"));
        message << QStringLiteral("application://bilvex-config.desktop")
                << QVariantMap{{QStringLiteral("progress"), progress},
                               {QStringLiteral("progress-visible"), visible},
                               {QStringLiteral("urgent"), urgent}};
        bus.send(message);
    }
};

}  // namespace

std::unique_ptr<TaskbarDesktop> taskbarDesktopFor(QWidget &)
{
    return std::make_unique<LauncherEntry>();
}
