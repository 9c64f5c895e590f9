#include "platform/files/DosWildcard.h"

#include <string>

#include "platform/text/Text.h"

namespace vantix::platform {

bool hasDosWildcard(std::string_view text) { return text.find_first_of("*?") != std::string_view::npos; }

bool matchesDosWildcard(std::string_view pattern, std::string_view name) {
    if (pattern == "*.*") return true;
    // Compare on folded UTF-16 units so '?' stands for one character, not one byte.
    const std::u16string p = vantix::text::foldCase(vantix::text::toUtf16(pattern));
    const std::u16string n = vantix::text::foldCase(vantix::text::toUtf16(name));
    // Iterative matching with backtracking to the last '*': linear memory, no recursion.
    std::size_t pi = 0, ni = 0, starP = std::u16string::npos, starN = 0;
    while (ni < n.size()) {
        if (pi < p.size() && (p[pi] == u'?' || p[pi] == n[ni])) {
            ++pi;
            ++ni;
        } else if (pi < p.size() && p[pi] == u'*') {
            starP = pi++;
            starN = ni;
        } else if (starP != std::u16string::npos) {
            pi = starP + 1;
            ni = ++starN;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == u'*') ++pi;
    return pi == p.size();
}

}  // namespace vantix::platform
