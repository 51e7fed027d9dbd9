// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/ReportCommand.h"

#include "overview/OverviewCsv.h"
#include "session/CommandLine.h"
#include "sheet/Catalogue.h"

#include <ostream>

namespace zifferon {

int runReport(const std::string& folder, std::ostream& out, std::ostream& err) {
    const ClassOverview overview = readClassFolder(folder);
    if (overview.failure) {
        err << "zifferon: " << failureText(*overview.failure) << "\n";
        return kWrongUsage;
    }
    out << overviewCsv(overview.rows, false) << std::flush;
    if (!out) {
        err << "zifferon: " << sayUtf8(Msg::OverviewNotPrinted) << "\n";
        return 1;
    }
    return 0;
}

} // namespace zifferon
