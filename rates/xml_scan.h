// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A small reader of well-formed XML, enough for a fixed document form read from the network: it
// checks the nesting of elements, the syntax of tags and attributes and of entity references,
// and hands each start tag to the caller. Nothing is ever expanded: a document type declaration
// is refused, and an entity reference other than XML's own five and character references is an
// error. Comments, processing instructions and CDATA sections are skipped.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mezzurix::rates::xml {

// Deeper nesting is no data document of ours (the rates file nests four deep).
inline constexpr std::size_t kMaxDepth = 16;
// No element of the rates file has more than three.
inline constexpr std::size_t kMaxAttributes = 16;

struct Attribute {
    std::string_view name;
    std::string_view value; // as written between the quotes, references not replaced
};

struct StartTag {
    std::string_view localName; // the name after any namespace prefix
    std::vector<Attribute> attributes;
    std::size_t id = 0;     // start tags are numbered from 0 in document order
    std::size_t parent = 0; // the id of the enclosing element; kNoParent for the document element

    std::optional<std::string_view> attribute(std::string_view name) const;
};
inline constexpr std::size_t kNoParent = static_cast<std::size_t>(-1);

// Called for each start tag; a message stops the reading with that error.
using StartHandler = std::function<std::optional<std::string>(const StartTag&)>;

// Reads `document` whole; the message of the first fault, or nullopt when it is well-formed.
std::optional<std::string> scan(std::string_view document, const StartHandler& onStart);

} // namespace mezzurix::rates::xml
