// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "diagnostic_list.h"

#include "entry_text.h"
#include "messages.h"

namespace orv {

std::string_view diagnosticMessage(const Diagnostic& diagnostic) { return trimWhiteSpace(diagnostic.text); }

std::string diagnosticList(const std::vector<Diagnostic>& diagnostics, std::uint64_t omitted,
                           std::string_view more, std::size_t maxLines) {
    const std::uint64_t total = diagnostics.size() + omitted;
    const std::size_t listed = total <= maxLines ? diagnostics.size() : (maxLines > 0 ? maxLines - 1 : 0);
    std::string list;
    for (std::size_t i = 0; i < listed; ++i) {
        if (i > 0) list += '\n';
        list += diagnosticMessage(diagnostics[i]);
    }
    if (listed < total) {
        if (!list.empty()) list += '\n';
        list += fillIn(more, std::to_string(total - listed));
    }
    return list;
}

} // namespace orv
