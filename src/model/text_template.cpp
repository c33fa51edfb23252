// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_template.h"

namespace quorlink {

std::string Filled(const std::string& text, const std::vector<std::string>& args)
{
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const std::size_t n = next >= '1' && next <= '9' ? static_cast<std::size_t>(next - '0') : 0;
        if (text[i] == '%' && n >= 1 && n <= args.size()) {
            result += args[n - 1];
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

}  // namespace quorlink
