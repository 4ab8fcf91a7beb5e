#pragma once
// The colour and font dialogs of the property pages behind one interface, so that tests answer
// them with a fake. An empty answer means the developer cancelled.
#include <QColor>
#include <QFont>
#include <optional>

class QWidget;

namespace vexachart {

class PageDialogs {
public:
    virtual ~PageDialogs() = default;
    virtual std::optional<QColor> chooseColour(const QColor& preset, QWidget* parent) = 0;
    virtual std::optional<QFont> chooseFont(const QFont& preset, QWidget* parent) = 0;
};

// QColorDialog (with its custom-colour part) and QFontDialog.
class QtPageDialogs : public PageDialogs {
public:
    std::optional<QColor> chooseColour(const QColor& preset, QWidget* parent) override;
    std::optional<QFont> chooseFont(const QFont& preset, QWidget* parent) override;
};

} // namespace vexachart
