#pragma once

// Generators of source texts for property tests. Texts are built from fragments that a rule
// looks for (its keywords, brackets, blanks, the words of its patterns), so that random
// texts reach its branches often; RapidCheck shrinks a failing text by dropping fragments
// and by taking earlier ones, so keep the simplest fragments first in a list.

#include <cstddef>
#include <rapidcheck.h>
#include <string>
#include <vector>

namespace quarvel::testing {

/// Joins fragments into one text.
inline std::string joined(const std::vector<std::string>& fragments) {
    std::string text;
    for (const std::string& fragment : fragments)
        text += fragment;
    return text;
}

/// A text of fragments drawn from the list, in any order, as many as RapidCheck's size
/// allows (up to 100 by default).
inline rc::Gen<std::string> textOf(std::vector<std::string> fragments) {
    return rc::gen::map(
        rc::gen::container<std::vector<std::string>>(rc::gen::elementOf(std::move(fragments))),
        joined);
}

/// A text of `count` fragments drawn from the list: for texts longer than RapidCheck's size
/// gives, such as those that reach a rule's second path for many names.
inline rc::Gen<std::string> textOfCount(std::size_t count, std::vector<std::string> fragments) {
    return rc::gen::map(rc::gen::container<std::vector<std::string>>(
                            count, rc::gen::elementOf(std::move(fragments))),
                        joined);
}

/// Texts from several generators, one after the other.
inline rc::Gen<std::string> concatenated(std::vector<rc::Gen<std::string>> parts) {
    return rc::gen::exec([parts] {
        std::string text;
        for (const rc::Gen<std::string>& part : parts)
            text += *part;
        return text;
    });
}

/// `count` values of the generator at sizes growing from 0 to 100, from a fixed seed: for a
/// plain test that checks that a property's texts reach the cases it is meant to cover
/// (RapidCheck itself reports only failures).
template <class T> std::vector<T> sampleOf(const rc::Gen<T>& gen, int count) {
    std::vector<T> values;
    rc::Random random(20261209);
    for (int i = 0; i < count; ++i)
        values.push_back(gen(random.split(), i % 101).value());
    return values;
}

} // namespace quarvel::testing
