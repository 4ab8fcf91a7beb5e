#pragma once
// frmAbout: the tooltip component's about box. A navy-to-white gradient painted by the window
// itself, the component's name and features, the vendor's address, and a logo and two labels
// that open the vendor's web page and a new mail to the vendor.
#include "tooltip/about_link.h"

#include <QDialog>

class QFrame;
class QLabel;

namespace quickinfo {

class frmAbout : public QDialog {
    Q_OBJECT
public:
    static inline const QString VendorWeb = QStringLiteral("www.zavelin.example.com");
    static inline const QString VendorMail = QStringLiteral("info@zavelin.example.com");

    // Links open through opener (the desktop's handler when none is given).
    explicit frmAbout(QWidget* parent = nullptr, LinkOpener opener = {});

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* lblCompany = nullptr;
    QLabel* lblMail = nullptr;
    QLabel* imgLogo = nullptr;
    QLabel* Picture1 = nullptr;
    QLabel* Image1 = nullptr;
    QFrame* Line1 = nullptr;

    // Band count of this window's gradient, fixed by the first painting (0 before).
    int bandCount() const { return m_bandCount; }

    void imgLogo_Click();
    void Label7_Click();
    void lblMail_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_Load();
    void MakeGradient(qint32 FromColor, qint32 ToColor, int Direction);

    LinkOpener m_opener;
    int m_bandCount = 0;
};

} // namespace quickinfo
