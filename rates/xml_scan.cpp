// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "xml_scan.h"

#include "quoted.h"

#include <algorithm>
#include <array>

namespace mezzurix::rates::xml {

std::optional<std::string_view> StartTag::attribute(std::string_view name) const
{
    for (const Attribute& a : attributes)
        if (a.name == name)
            return a.value;
    return std::nullopt;
}

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isNameStart(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':' ||
           static_cast<unsigned char>(c) >= 0x80;
}

bool isNameChar(char c)
{
    return isNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// True when every '&' in `text` starts one of XML's own references: &amp; &lt; &gt; &quot;
// &apos;, &#digits; or &#xhex;.
bool referencesAreXmlsOwn(std::string_view text)
{
    static constexpr std::array<std::string_view, 5> kOwn = {"amp;", "lt;", "gt;", "quot;", "apos;"};
    for (std::size_t at = text.find('&'); at != std::string_view::npos; at = text.find('&', at + 1)) {
        const std::string_view rest = text.substr(at + 1);
        if (std::any_of(kOwn.begin(), kOwn.end(), [&](std::string_view own) { return rest.starts_with(own); }))
            continue;
        const bool hex = rest.starts_with("#x");
        if (!rest.starts_with('#'))
            return false;
        std::size_t digits = hex ? 2 : 1;
        while (digits < rest.size() && (hex ? isHexDigit(rest[digits]) : (rest[digits] >= '0' && rest[digits] <= '9')))
            ++digits;
        if (digits == (hex ? 2U : 1U) || digits >= rest.size() || rest[digits] != ';')
            return false;
    }
    return true;
}

class Scanner {
public:
    Scanner(std::string_view document, const StartHandler& onStart) : doc_(document), onStart_(onStart) {}

    std::optional<std::string> run()
    {
        // XML allows no control character but the blanks, anywhere.
        const auto control = std::find_if(doc_.begin(), doc_.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20 && !isBlank(c);
        });
        if (control != doc_.end())
            return at(static_cast<std::size_t>(control - doc_.begin()), "a control character");
        while (pos_ < doc_.size()) {
            std::optional<std::string> fault = doc_[pos_] == '<' ? markup() : text();
            if (fault)
                return fault;
        }
        if (!open_.empty())
            return "cut off: it ends inside <" + shown(open_.back().name) + ">";
        if (!rootSeen_)
            return std::string("no XML element in it");
        return std::nullopt;
    }

private:
    struct Open {
        std::string_view name;
        std::size_t id;
    };

    std::string at(std::size_t where, std::string_view what) const
    {
        return "not well-formed XML at byte " + std::to_string(where) + ": " + std::string(what);
    }

    std::optional<std::string> text()
    {
        const std::size_t end = std::min(doc_.find('<', pos_), doc_.size());
        const std::string_view run = doc_.substr(pos_, end - pos_);
        if (open_.empty() && !std::all_of(run.begin(), run.end(), isBlank))
            return at(pos_, "text outside the document element");
        if (!referencesAreXmlsOwn(run))
            return at(pos_, "an entity reference other than XML's own");
        pos_ = end;
        return std::nullopt;
    }

    // Skips from the current '<' past `close`; an unterminated construct is a cut-off document.
    std::optional<std::string> skipPast(std::string_view close, std::size_t from)
    {
        const std::size_t end = doc_.find(close, from);
        if (end == std::string_view::npos)
            return std::string("cut off: it ends inside a comment, a declaration or a CDATA section");
        pos_ = end + close.size();
        return std::nullopt;
    }

    std::optional<std::string> markup()
    {
        const std::string_view rest = doc_.substr(pos_);
        if (rest.starts_with("<?"))
            return skipPast("?>", pos_ + 2);
        if (rest.starts_with("<!--"))
            return skipPast("-->", pos_ + 4);
        if (rest.starts_with("<![CDATA[")) {
            if (open_.empty())
                return at(pos_, "a CDATA section outside the document element");
            return skipPast("]]>", pos_ + 9);
        }
        if (rest.starts_with("<!"))
            return at(pos_, "document type declarations are refused");
        if (rest.starts_with("</"))
            return endTag();
        return startTag();
    }

    std::string_view name()
    {
        const std::size_t start = pos_;
        if (pos_ < doc_.size() && isNameStart(doc_[pos_]))
            while (pos_ < doc_.size() && isNameChar(doc_[pos_]))
                ++pos_;
        return doc_.substr(start, pos_ - start);
    }

    void skipBlanks()
    {
        while (pos_ < doc_.size() && isBlank(doc_[pos_]))
            ++pos_;
    }

    std::optional<std::string> endTag()
    {
        const std::size_t start = pos_;
        pos_ += 2;
        const std::string_view closed = name();
        skipBlanks();
        if (pos_ >= doc_.size())
            return std::string("cut off: it ends inside a closing tag");
        if (closed.empty() || doc_[pos_] != '>')
            return at(start, "a malformed closing tag");
        if (open_.empty() || open_.back().name != closed)
            return at(start, "</" + shown(closed) + "> closes no open element of that name");
        open_.pop_back();
        ++pos_;
        return std::nullopt;
    }

    std::optional<std::string> attribute(StartTag& tag)
    {
        const std::size_t start = pos_;
        const std::string_view attributeName = name();
        skipBlanks();
        if (attributeName.empty() || pos_ >= doc_.size() || doc_[pos_] != '=')
            return at(start, "a malformed attribute");
        ++pos_;
        skipBlanks();
        if (pos_ >= doc_.size() || (doc_[pos_] != '"' && doc_[pos_] != '\''))
            return at(start, "an attribute value without quotes");
        const std::size_t close = doc_.find(doc_[pos_], pos_ + 1);
        if (close == std::string_view::npos)
            return std::string("cut off: it ends inside an attribute value");
        const std::string_view value = doc_.substr(pos_ + 1, close - pos_ - 1);
        if (value.find('<') != std::string_view::npos)
            return at(start, "'<' in an attribute value");
        if (!referencesAreXmlsOwn(value))
            return at(start, "an entity reference other than XML's own");
        if (tag.attribute(attributeName))
            return at(start, "the attribute " + shown(attributeName) + " twice in one tag");
        if (tag.attributes.size() == kMaxAttributes)
            return at(start, "more than " + std::to_string(kMaxAttributes) + " attributes in one tag");
        tag.attributes.push_back({attributeName, value});
        pos_ = close + 1;
        return std::nullopt;
    }

    std::optional<std::string> startTag()
    {
        const std::size_t start = pos_;
        ++pos_;
        if (rootSeen_ && open_.empty())
            return at(start, "a second document element");
        StartTag tag;
        const std::string_view qualified = name();
        if (qualified.empty())
            return at(start, "a '<' that starts no tag");
        tag.localName = qualified.substr(qualified.rfind(':') + 1);
        for (;;) {
            const std::size_t before = pos_;
            skipBlanks();
            if (pos_ >= doc_.size())
                return "cut off: it ends inside the tag <" + shown(qualified) + ">";
            if (doc_[pos_] == '>' || doc_.substr(pos_).starts_with("/>"))
                break;
            if (pos_ == before)
                return at(pos_, "no blank before an attribute");
            if (std::optional<std::string> fault = attribute(tag))
                return fault;
        }
        if (open_.size() == kMaxDepth)
            return at(start, "elements nested deeper than " + std::to_string(kMaxDepth) + " levels");
        tag.id = nextId_++;
        tag.parent = open_.empty() ? kNoParent : open_.back().id;
        rootSeen_ = true;
        if (std::optional<std::string> fault = onStart_(tag))
            return fault;
        if (doc_[pos_] == '>') {
            open_.push_back({qualified, tag.id});
            ++pos_;
        } else {
            pos_ += 2;
        }
        return std::nullopt;
    }

    std::string_view doc_;
    const StartHandler& onStart_;
    std::size_t pos_ = 0;
    std::size_t nextId_ = 0;
    bool rootSeen_ = false;
    std::vector<Open> open_;
};

} // namespace

std::optional<std::string> scan(std::string_view document, const StartHandler& onStart)
{
    return Scanner(document, onStart).run();
}

} // namespace mezzurix::rates::xml
