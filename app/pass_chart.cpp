// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "app/pass_chart.h"

#include <dlfcn.h>
#include <limits.h>

#include <QDateTime>
#include <algorithm>
#include <string>

namespace {

// The folder of the program's own libraries, installed or in the build tree: the one the
// translation library, which the program links, was loaded from. Empty when unknown.
std::string PrivateLibraryFolder() {
    void* lexitra = dlopen(RECALLIX_LEXITRA_FILE, RTLD_LAZY | RTLD_NOLOAD);
    if (lexitra == nullptr) {
        return {};
    }
    char origin[PATH_MAX] = {};
    const bool known = dlinfo(lexitra, RTLD_DI_ORIGIN, origin) == 0;
    dlclose(lexitra);
    return known ? std::string(origin) : std::string();
}

void* LoadChartModule() {
    // By its full path: a bare name would be looked for along the run path of whoever
    // calls dlopen, which is not the program when a sanitizer or a preloaded library
    // stands in between. The module stays loaded until the program ends.
    const std::string folder = PrivateLibraryFolder();
    if (folder.empty()) {
        return nullptr;
    }
    return dlopen((folder + "/" RECALLIX_CHART_MODULE).c_str(), RTLD_NOW | RTLD_LOCAL);
}

template <typename tCreate>
tCreate FindInChartModule(const char* symbol) {
    static void* const module = LoadChartModule();
    return module != nullptr ? reinterpret_cast<tCreate>(dlsym(module, symbol)) : nullptr;
}

}  // namespace

QStringList DateAxisLabels(qint64 fromMs, qint64 toMs, int ticks, const QString& format) {
    QStringList labels;
    for (int i = 0; i < ticks; ++i) {
        const double ms = double(fromMs) + double(toMs - fromMs) * i / std::max(ticks - 1, 1);
        labels.append(QDateTime::fromMSecsSinceEpoch(qRound64(ms)).toString(format));
    }
    return labels;
}

QWidget* CreatePassChartView(const sPassChart& chart, QWidget* parent) {
    static const auto create = FindInChartModule<tCreatePassChartView>(kCreatePassChartViewSymbol);
    return create != nullptr ? create(&chart, parent) : nullptr;
}

QWidget* CreateForecastChartView(const sForecastChart& chart, QWidget* parent) {
    static const auto create =
        FindInChartModule<tCreateForecastChartView>(kCreateForecastChartViewSymbol);
    return create != nullptr ? create(&chart, parent) : nullptr;
}
