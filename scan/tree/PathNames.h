#pragma once

#include <string>

/// The path texts of a tree walk: names to open and print, and paths relative to a folder.
namespace scan::tree {

/// Whether a file name ends in ".java", case-sensitive.
bool hasJavaExtension(const std::string& name);

/// The name of `relative` (names separated by '/') under `root` as a user passed it, with
/// the system's separator: "." (or "./") adds nothing in front, a root that ends in a
/// separator gets no second one.
std::string joinName(const std::string& root, const std::string& relative);

/// `path` made absolute against `currentFolder` (itself absolute) and cleaned as text:
/// no "." names, ".." taking away the name before it, one '/' between names, none at the
/// end (a root keeps its own). The system is not asked, so symbolic links are not resolved.
std::string lexicallyAbsolute(const std::string& path, const std::string& currentFolder);

/// `path` relative to `folder`, both made absolute by lexicallyAbsolute, with '/' between
/// names: "" when they are the same, "../" in front for each name of `folder` that `path`
/// does not share.
std::string relativePath(const std::string& path, const std::string& folder,
                         const std::string& currentFolder);

/// "a/b" and "c" joined as "a/b/c"; either may be empty.
std::string joinRelative(const std::string& first, const std::string& second);

} // namespace scan::tree
