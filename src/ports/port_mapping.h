#pragma once

#include "ports/port_listing.h"

#include <QString>

#include <optional>

// What choosing a port as COM n changes: on Linux the link ports/comN beside the settings
// file, on Windows the COM port text. Each platform has its file.
struct PortMapping {
    QString linkPath;  // empty on Windows
    QString target;    // the port's stable by-id name, else its device
    QString portText;  // Text4 afterwards
};

// The change for choosing `port` while Text4 holds `portText`; the operator's message
// instead when there is nothing sound to change.
struct MappingPlan {
    std::optional<PortMapping> mapping;
    QString refusal;
};
MappingPlan planMapping(const PortDescription &port, const QString &portText, const QString &portsFolder);

// What making the change did: whether it was made (when not, nothing was changed), and the
// operator's message (why not, or what was tidied up on the way); empty when none.
struct MappingOutcome {
    bool applied = false;
    QString message;
};
MappingOutcome applyMapping(const PortMapping &mapping);
