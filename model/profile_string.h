// Reads one value from the text of a Windows initialisation (.ini) file exactly as
// GetPrivateProfileStringA returns it, so a language file gives the same texts whether the
// system reads it or this code does.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tallowick {

// Returns the value of `key` in section `section` of `fileText` (the file's bytes, ANSI), or
// `defaultValue` when there is none, cut to what a buffer of `bufferSize` bytes holds
// (bufferSize - 1 characters; nothing for 0). A file that does not exist reads as an empty one.
//
// - Lines end at CR or LF. Lines, names and values lose surrounding blanks (space, tab,
//   CR, LF, VT, FF and Ctrl-Z), and so do `section` and `key`.
// - Names match without regard to ASCII case. Only the first section of a name is searched,
//   and within it the first line whose name matches decides: a line without '=' has no value
//   and yields the default, however many later lines carry the key.
// - A header is a line starting with '['; its name runs to the last ']' and the rest of the
//   line is ignored. A '[' line without ']' is an ordinary line.
// - A value present but empty is returned empty. Lines before the first header, and
//   comment lines (";key=..."), hold keys no lookup of a real key reaches.
// - The default loses trailing spaces (not tabs), though never its first character.
// - One pair of matching quotes (' or ") around the whole value or default is dropped. When
//   the unquoted text is exactly bufferSize - 1 long the system reader drops its last
//   character too; so does this function, so the two never disagree.
// - A zero byte ends a name or value.
std::string ReadProfileString(std::string_view fileText, std::string_view section,
                              std::string_view key, std::string_view defaultValue,
                              std::size_t bufferSize);

}  // namespace tallowick
