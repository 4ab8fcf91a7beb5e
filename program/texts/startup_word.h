#pragma once
// The start-up check of the word processor that writes the reports: start it once, warn when its
// version is older than 9, open and discard one blank document, quit it.
#include "common/messages.h"
#include "program/texts/sprachtext.h"
#include "wp/application.h"
#include <functional>
#include <memory>

namespace texts {

using WordApplicationFactory = std::function<std::unique_ptr<wp::Application>()>;

// Creates the layer's own application object.
std::unique_ptr<wp::Application> createWordApplication();

// Text_112: failure message (no word processor or broken calls); Text_113: the text after
// "Word-Version <version>" when the version is older than 9. Both in language SprachNr.
void Word_Version_pruefen(common::MessageBoxes& boxes, qint16 SprachNr, const SprachText& Text_112,
                          const SprachText& Text_113,
                          const WordApplicationFactory& create = createWordApplication);

} // namespace texts
