// Text from a file on its way to the terminal, a printed page or one of our
// line-oriented files (.sch, .kve, plot files): a name holding an escape sequence
// would set a terminal's title or clear its screen, and a line feed would break the
// file's lines. The file the text came from keeps its bytes; only what is shown or
// written is changed.
#pragma once

#include <string>
#include <string_view>

namespace finplan {

// text with each control character shown as "?": the C0 controls (line feed, escape,
// ...), DEL, and the C1 controls whether written as UTF-8 or as single bytes. Every
// other character, accented letters included, keeps its bytes.
std::string printableText(std::string_view text);

} // namespace finplan
