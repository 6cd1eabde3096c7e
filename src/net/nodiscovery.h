// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/gamediscovery.h"

namespace tavelin {

// For platforms without a service discovery, and for tests: nothing is offered or found.
class NoDiscovery : public GameDiscovery {
    Q_OBJECT

public:
    void advertise(const QString& /*name*/, quint16 /*port*/) override {}
    void withdraw() override {}
    void startBrowsing() override {}
    void stopBrowsing() override {}
    QList<FoundGame> games() const override { return {}; }
    bool searchable() const override { return false; }
};

} // namespace tavelin
