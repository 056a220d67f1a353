#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace scan::baseline {

/// A line's text as defects are keyed on: every run of blank bytes (space, tab, carriage
/// return, vertical tab, form feed) becomes one space, and blanks at either end are dropped.
/// Re-indenting a line, or a file's line ends turning from CR LF to LF, changes nothing.
std::string collapseBlanks(std::string_view line);

/// What identifies a defect from one version of a file to the next: never its line number,
/// so lines added, removed or moved elsewhere in the file leave it the same.
struct DefectKey {
    std::string path; ///< relative to the top folder, names joined by '/'
    std::int32_t rule = 0;
    std::string text; ///< the defect's line, through collapseBlanks

    bool operator==(const DefectKey& other) const {
        return path == other.path && rule == other.rule && text == other.text;
    }
    bool operator<(const DefectKey& other) const;
};

DefectKey defectKey(std::string path, std::int32_t rule, std::string_view rawLine);

/// A defect's fingerprint: 32 lower-case hex digits of a 128-bit hash of its key and its
/// occurrence (how many defects of the same key come before it in the file, in line order).
/// The same on every platform and from run to run while the key's line is unchanged; for
/// reports that follow defects across runs.
std::string fingerprint(const DefectKey& key, std::size_t occurrence);

/// One defect of a file as a run reports it.
struct FileDefect {
    std::int32_t rule = 0;
    std::int32_t line = 0; ///< from 1
};

/// A defect as the baseline knows it.
struct KeyedDefect {
    DefectKey key;
    /// Among the file's defects of the same key, in line order, from 0.
    std::size_t occurrence = 0;
    /// A 16-bit hash of the three nearest lines above the defect's that are not blank
    /// (collapsed as the key's text, nearest first, joined by line feeds; fewer near the top
    /// of the file). It only tells apart defects of one key when a file has more of them
    /// than the baseline recorded: copies of one statement in different methods differ in
    /// the lines above them.
    std::uint16_t context = 0;

    std::string fingerprint() const { return baseline::fingerprint(key, occurrence); }
};

/// Keys the defects of one file, given in any order, from the file's text as it was checked
/// (lines end at line feeds; a line number past the end has an empty text). The result is in
/// the order given; occurrences count in line order, defects on one line in the order given.
std::vector<KeyedDefect> keyDefects(const std::string& path, std::string_view fileText,
                                    const std::vector<FileDefect>& defects);

/// The hashes the baseline file holds: 32 bits of the key's text, 16 of the context line's.
std::uint32_t lineHash(std::string_view collapsedText);
std::uint16_t contextHash(std::string_view collapsedText);

} // namespace scan::baseline
