// Saves the settings file over and over until it is killed, alternating two models: every
// even save writes all values 0, every odd one the same with group 1's first number 999.
// Prints one line before the first save, so the test knows the saving has begun.
// With --once it saves the first model once and ends.
#include "config/settings_file.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

constexpr int16_t kChangedStart = 999;

bool save(const Tanimlamalar &model)
{
    const int code = saveSettingsFile(model);
    if (code != SettingsError::None)
        std::fprintf(stderr, "save failed with code %d\n", code);
    return code == SettingsError::None;
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const Tanimlamalar zeros;
    Tanimlamalar changed;
    changed.GroupStart[0] = kChangedStart;
    if (QCoreApplication::arguments().contains(QStringLiteral("--once")))
        return save(zeros) ? 0 : 1;
    std::puts("saving");
    std::fflush(stdout);
    for (bool odd = false;; odd = !odd) {
        if (!save(odd ? changed : zeros))
            return 1;
    }
}
