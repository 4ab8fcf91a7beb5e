#pragma once
// The Font and ParagraphFormat objects of a selection or range: each setter hands a format with
// only that property set to whatever the object belongs to.
#include "wp/model.h"
#include <functional>

namespace wp {

class Font {
public:
    using Apply = std::function<void(const CharFormat&)>;
    using Read = std::function<CharFormat()>;
    Font(Apply apply, Read read) : m_apply(std::move(apply)), m_read(std::move(read)) {}

    void setName(const QString& name) { CharFormat f; f.name = name; m_apply(f); }
    void setSize(double points) { CharFormat f; f.size = points; m_apply(f); }
    void setBold(bool on) { CharFormat f; f.bold = on; m_apply(f); }
    void setUnderline(bool on) { CharFormat f; f.underline = on; m_apply(f); }
    void setColor(long colour) { CharFormat f; f.colour = Colour::fromLong(colour); m_apply(f); }
    // The format in effect (properties never set are absent).
    CharFormat current() const { return m_read(); }

private:
    Apply m_apply;
    Read m_read;
};

class ParagraphFormat {
public:
    using Apply = std::function<void(const ParaFormat&)>;
    explicit ParagraphFormat(Apply apply) : m_apply(std::move(apply)) {}

    void setAlignment(int alignment) { ParaFormat f; f.alignment = alignment; m_apply(f); }
    void setSpaceBefore(double points) { ParaFormat f; f.spaceBefore = points; m_apply(f); }
    void setSpaceAfter(double points) { ParaFormat f; f.spaceAfter = points; m_apply(f); }
    void setSpaceBeforeAuto(bool on) { ParaFormat f; f.spaceBeforeAuto = on; m_apply(f); }
    void setSpaceAfterAuto(bool on) { ParaFormat f; f.spaceAfterAuto = on; m_apply(f); }
    void setLineSpacingRule(int rule) { ParaFormat f; f.lineSpacingRule = rule; m_apply(f); }
    void setLeftIndent(double points) { ParaFormat f; f.leftIndent = points; m_apply(f); }
    void setRightIndent(double points) { ParaFormat f; f.rightIndent = points; m_apply(f); }
    void addLeftTabStop(double points) { ParaFormat f; f.leftTabStops = {points}; m_apply(f); }

private:
    Apply m_apply;
};

} // namespace wp
