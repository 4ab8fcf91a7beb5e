#pragma once
// The start-up check of the word processor that writes the reports: start it once, warn when its
// version is older than 9, open and discard one blank document, quit it.
#include "common/messages.h"
#include "program/texts/texte.h"
#include "wp/application.h"
#include <functional>
#include <memory>

namespace texts {

using WordApplicationFactory = std::function<std::unique_ptr<wp::Application>()>;

// Creates the layer's own application object.
std::unique_ptr<wp::Application> createWordApplication();

// Messages in the current language: Text_112 when the word processor cannot be used,
// "Word-Version <version>" followed by Text_113 when it is older than version 9.
void Word_Version_pruefen(common::MessageBoxes& boxes, const Texte& texte,
                          const WordApplicationFactory& create = createWordApplication);

} // namespace texts
