#pragma once
// The word-processor application object: the entry to the layer that writes the program's
// report documents. It runs inside the program, so it is always present and never visible.
// Once it has quit, every further call fails as a vanished automation server does.
#include "wp/documents.h"
#include <QString>

namespace wp {

// Error raised by a call on an application that has quit.
inline constexpr long ServerUnavailable = 462;

class Application {
public:
    // Version text of this layer, "major.minor"; its major number meets every version check
    // that asks for 9 or later.
    static inline const QString LayerVersion = QStringLiteral("10.0");

    Application() = default;
    virtual ~Application() = default;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    virtual QString Version() const;
    virtual wp::Documents& Documents();
    // Closes every document and ends the application. SaveChanges false discards changes;
    // true keeps them only where a document has somewhere to store them.
    virtual void Quit(bool SaveChanges);
    bool hasQuit() const { return m_quit; }

protected:
    // Raises ServerUnavailable once the application has quit.
    void requireRunning(const char* member) const;

private:
    wp::Documents m_documents;
    bool m_quit = false;
};

} // namespace wp
