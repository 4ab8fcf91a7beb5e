#pragma once
// The word-processor application object: the entry to the layer that writes the program's
// report documents. It runs inside the program, so it is always present; "visible" means the
// saved document is shown by the desktop's viewer. Once it has quit, every further call fails
// as a vanished automation server does.
#include "wp/documents.h"
#include "wp/externalprograms.h"
#include "wp/selection.h"
#include <QString>
#include <memory>

namespace wp {

// Error raised by a call on an application that has quit.
inline constexpr long ServerUnavailable = 462;

class Application {
public:
    // Version text of this layer, "major.minor"; its major number meets every version check
    // that asks for 9 or later.
    static inline const QString LayerVersion = QStringLiteral("10.0");

    explicit Application(std::shared_ptr<ExternalPrograms> programs = std::make_shared<DesktopPrograms>());
    virtual ~Application() = default;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    virtual QString Version() const;
    virtual wp::Documents& Documents();
    wp::Document& ActiveDocument();
    wp::Selection& Selection() { return ActiveDocument().Selection(); }
    static double CentimetersToPoints(double cm) { return cm * 72.0 / 2.54; }

    // Prints a saved file at once (see ExternalPrograms::print).
    void PrintOut(const QString& FileName);
    // Shows the active document, which must have been saved, in the desktop's viewer;
    // error ViewerFailed when that cannot be opened.
    void PrintPreview();
    // Opens an existing document read-only for the user: the desktop's viewer shows it.
    // Error 53 when the file is missing, ViewerFailed when it cannot be shown.
    void OpenReadOnly(const QString& FileName);
    bool Visible() const { return m_visible; }
    void setVisible(bool on) { m_visible = on; }

    // Closes every document and ends the application. SaveChanges false discards changes;
    // true keeps them only where a document has somewhere to store them.
    virtual void Quit(bool SaveChanges);
    bool hasQuit() const { return m_quit; }
    ExternalPrograms& programs() { return *m_programs; }

protected:
    // Raises ServerUnavailable once the application has quit.
    void requireRunning(const char* member) const;

private:
    wp::Documents m_documents;
    std::shared_ptr<ExternalPrograms> m_programs;
    bool m_visible = false;
    bool m_quit = false;
};

} // namespace wp
