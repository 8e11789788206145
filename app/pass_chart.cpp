// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "app/pass_chart.h"

#include <dlfcn.h>

namespace {

tCreatePassChartView LoadChartModule() {
    // dlopen from the program itself, not through QLibrary: a bare name is then looked for
    // along the program's own run path, which leads to its private libraries both where it
    // is installed and in the build tree. The module stays loaded until the program ends.
    void* module = dlopen(RECALLIX_CHART_MODULE, RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<tCreatePassChartView>(dlsym(module, kCreatePassChartViewSymbol));
}

}  // namespace

QWidget* CreatePassChartView(const sPassChart& chart, QWidget* parent) {
    static const tCreatePassChartView create = LoadChartModule();
    return create != nullptr ? create(&chart, parent) : nullptr;
}
