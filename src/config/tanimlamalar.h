#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// Sizes of the model's arrays: one entry larger than used in each dimension,
// the extra entry is never read, written or stored.
constexpr int kGroupCount = 32;
constexpr int kTerminalCount = 64;
constexpr int kSlotCount = 32;
constexpr int kPanelSlotCount = 16;
constexpr int kGroupEntries = kGroupCount + 1;
constexpr int kTerminalEntries = kTerminalCount + 1;
constexpr int kSlotEntries = kSlotCount + 1;

constexpr int kButtonImageSize = 2080;
constexpr int kTerminalImageSize = 41920;
constexpr int kTicketImageSize = 1280;
constexpr int kDateTimeFrameSize = 25;

constexpr int16_t kEnabled = 100;
// A group's "Limit Var".
constexpr int16_t kLimitOn = 1;
// The highest ticket number a group's start, end, last called and last issued take, on the
// panels, in the CSV and in the overview alike.
constexpr int kHighestTicketNumber = 999;
// The priority count that means no limit, shown and typed as "MAX"; the highest count typed
// as a number is one below it.
constexpr int16_t kMaxCount = 255;
constexpr int kHighestCount = kMaxCount - 1;
inline const QString kMaxCountText = QStringLiteral("MAX");

// Ticket layouts 0..15: the one a group prints and the number the editor sends one under.
constexpr int kLayoutCount = 16;
// A priority slot names group 1..16, or 0 for none ("Yok").
constexpr int kSelectableGroups = 16;
constexpr int kSlotGroupEntries = kSelectableGroups + 1;

// ClockChip: 1 is the PCF8583, anything else the DS1307.
constexpr int16_t kClockChipDs1307 = 0;
constexpr int16_t kClockChipPcf8583 = 1;

using GroupArray = std::array<int16_t, kGroupEntries>;
using PriorityTable = std::array<std::array<int16_t, kSlotEntries>, kTerminalEntries>;

enum class TransferMode { None, ButtonSettings, TerminalSettings, TicketData, DateTime };

// Why the last build did not replace an image: the value it cannot carry and where it stands.
struct BuildRefusal {
    QString where;            // e.g. "3. Terminal, 5. Öncelikli Buton"
    QString value;            // as the operator would read it, e.g. "300"
    QString message() const;  // "<where>: <value> gönderilemez."
};

// The one shared module: configuration model, images, transfer state and flags.
struct Tanimlamalar {
    GroupArray GroupEnable{};
    GroupArray GroupEnableCopy{};
    GroupArray GroupStart{};
    GroupArray GroupEnd{};
    GroupArray GroupLastCalled{};
    GroupArray GroupLastIssued{};
    GroupArray GroupLayout{};
    GroupArray GroupLimit{};
    PriorityTable PriorityGroup{};
    PriorityTable PriorityCount{};
    int16_t ClockChip = 0;  // 1 = PCF8583, anything else DS1307

    QString Text4 = QStringLiteral("1");  // the COM port number as the operator typed it

    bool FormLoading = false;
    bool PanelLoading = false;

    std::array<uint8_t, kButtonImageSize> ButtonImage{};
    std::array<uint8_t, kTerminalImageSize> TerminalImage{};
    bool ImagesBuilt = false;
    // Set when the last build could not carry a value; the image then still holds the previous build.
    std::optional<BuildRefusal> ButtonImageRefusal;
    std::optional<BuildRefusal> TerminalImageRefusal;

    // Empty until the first layout file is opened; then kTicketImageSize bytes.
    QByteArray TicketImage;
    std::array<uint8_t, kDateTimeFrameSize> DateTimeFrame{};

    TransferMode CurrentTransferMode = TransferMode::None;
    double TransferPosition = 0;
    bool TransferFinished = false;
};
