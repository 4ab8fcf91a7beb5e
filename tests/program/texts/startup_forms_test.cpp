#include "program/texts/startup_forms.h"
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// A window that notes when it is closed.
class NotingWindow : public QWidget {
public:
    NotingWindow(const QString& name, QStringList& closed) : m_closed(closed) { setObjectName(name); }

protected:
    void closeEvent(QCloseEvent* e) override
    {
        m_closed << objectName();
        QWidget::closeEvent(e);
    }

private:
    QStringList& m_closed;
};

} // namespace

TEST(Alle_Forms_entladen, ClosesLoadedWindowsInOrderMainWindowLast)
{
    QStringList closed;
    texts::Formen forms;
    // Registered in another order than the unload order; two windows of the list are not loaded.
    auto* main = new NotingWindow(QStringLiteral("Kelto_VX_Menu"), closed);
    auto* options = new NotingWindow(QStringLiteral("Optionen"), closed);
    auto* heat1 = new NotingWindow(QStringLiteral("LeistgVorg1_frm"), closed);
    auto* about = new NotingWindow(QStringLiteral("Info_ProgVers_frm"), closed);
    QPointer<QWidget> report = new QWidget; // not in the list: stays
    report->setObjectName(QStringLiteral("Info2_frm"));
    for (QWidget* w : std::initializer_list<QWidget*>{main, options, heat1, about, report})
        forms.add(w);
    delete about; // destroyed earlier: it just drops out

    texts::Alle_Forms_entladen(forms);
    EXPECT_EQ(closed, (QStringList{QStringLiteral("LeistgVorg1_frm"), QStringLiteral("Optionen"),
                                   QStringLiteral("Kelto_VX_Menu")}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(forms.find(QStringLiteral("Kelto_VX_Menu")), nullptr);
    EXPECT_EQ(forms.find(QStringLiteral("Optionen")), nullptr);
    ASSERT_FALSE(report.isNull());
    EXPECT_EQ(forms.find(QStringLiteral("Info2_frm")), report.data());
    delete report;

    texts::Alle_Forms_entladen(forms); // nothing loaded any more: nothing happens
    EXPECT_EQ(closed.size(), 3);
}
