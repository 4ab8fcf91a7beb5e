#pragma once
// Caption colours of the main window. The desktop's window manager draws the title bar, so the
// program paints no caption of its own; the window keeps the colours it is given as state
// (Kelto_VX_Menu::captionColours), and these functions turn that state into the colours of a
// gradient: the start and end colour of the active or inactive caption, and the steps between.
#include "common/colour.h"
#include "program/ui/kelto_vx_menu.h"

#include <QFont>
#include <QPalette>
#include <vector>

class QWidget;

namespace ui {

struct CaptionFarben {
    common::ColourValue c1 = 0; // start
    common::ColourValue c2 = 0; // end
    bool operator==(const CaptionFarben&) const = default;
};

// Start and end colour of the caption in the active or inactive state, as RGB values: the own
// colours when they are on, else black to the desktop's (active or inactive) title colour. System
// colours are taken from the palette, never read as RGB bytes.
CaptionFarben Get_CaptionColors(const Kelto_VX_Menu::GradTitel& farben, bool aktiv, const QPalette& palette);

// Colours 0 to n from start towards end: per channel, entry i = start + (i + 1) * (end - start) / n,
// clamped to 0..255 and rounded half to even. Entry n - 1 is the end colour; entry n lies one step
// beyond it. The high byte of both colours is ignored. With n below 1 the one entry is the end.
std::vector<common::ColourValue> Get_GradientColor(int n, common::ColourValue start, common::ColourValue ende);

// The caption font of the desktop, as the window manager's title bars use it.
QFont Get_CaptionFont();

// The caption painter's hooks. On this platform the window manager draws every title bar and a
// program has no window procedure to put its own painter in front of, so both do nothing; the
// window keeps its caption colours as state instead.
void Hook_WindowHeader(QWidget* form);
void Unhook_WindowHeader(QWidget* form);

// The low 16 bits of a 32-bit value as a signed 16-bit number (0xFFFF gives -1).
qint16 Get_LoWord(qint32 value);

} // namespace ui
