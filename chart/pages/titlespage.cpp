#include "chart/pages/titlespage.h"
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vexachart {

namespace {

QLineEdit* textBox(QWidget* parent, const char* name, const char* text)
{
    auto* box = new QLineEdit(QString::fromUtf8(text), parent);
    box->setObjectName(QString::fromUtf8(name));
    box->setMinimumWidth(260);
    return box;
}

QGroupBox* frame(QWidget* parent, const char* name, const QString& title)
{
    auto* f = new QGroupBox(title, parent);
    f->setObjectName(QString::fromUtf8(name));
    return f;
}

// A frame holding one caption and its text box on a row.
QGroupBox* labelledFrame(QWidget* parent, const char* frameName, const QString& title, const char* labelName,
    const char* caption, QLineEdit* box)
{
    auto* f = frame(parent, frameName, title);
    auto* row = new QGridLayout(f);
    auto* label = new QLabel(QString::fromUtf8(caption), f);
    label->setObjectName(QString::fromUtf8(labelName));
    row->addWidget(label, 0, 0);
    box->setParent(f);
    row->addWidget(box, 0, 1);
    row->setColumnStretch(1, 1);
    return f;
}

} // namespace

ProPage_AXGrph_P1::ProPage_AXGrph_P1(PageServices services, QWidget* parent)
    : PropertyPage(QStringLiteral("ProPage_AXGrph_P1"), QStringLiteral("General"), services, parent)
{
    TxtTitle = textBox(this, "TxtTitle", "Graph-Title");
    TxtXAxis = textBox(this, "TxtXAxis", "X-Axis [1]");
    TxtYAxis = textBox(this, "TxtYAxis", "Y-Axis [1]");

    auto* outer = new QVBoxLayout(this);
    outer->addWidget(makeHeading(QStringLiteral("Label4"), QStringLiteral("General")));
    auto* frame1 = frame(this, "Frame1", {});
    auto* titleRow = new QGridLayout(frame1);
    auto* label1 = new QLabel(QStringLiteral("Title:"), frame1);
    label1->setObjectName(QStringLiteral("Label1"));
    titleRow->addWidget(label1, 0, 0);
    TxtTitle->setParent(frame1);
    titleRow->addWidget(TxtTitle, 0, 1);
    titleRow->setColumnStretch(1, 1);
    outer->addWidget(frame1);

    auto* frame2 = frame(this, "Frame2", {});
    auto* axes = new QVBoxLayout(frame2);
    axes->addWidget(labelledFrame(frame2, "FrmXAxis", QStringLiteral("X-Axis"), "Label2", "Label :", TxtXAxis));
    axes->addWidget(labelledFrame(frame2, "FrmYAxis", QStringLiteral("Y-Axis"), "Label3", "Label :", TxtYAxis));
    outer->addWidget(frame2);
    outer->addStretch(1);

    connect(TxtTitle, &QLineEdit::textEdited, this, [this] { TxtTitle_Change(); });
    connect(TxtXAxis, &QLineEdit::textEdited, this, [this] { TxtXAxis_Change(); });
    connect(TxtYAxis, &QLineEdit::textEdited, this, [this] { TxtYAxis_Change(); });
}

void ProPage_AXGrph_P1::load(ControlAccess& control)
{
    const QString title = control.get(QStringLiteral("Title")).toString();
    const QString xLabel = control.get(QStringLiteral("XAxisLabel")).toString();
    const QString yLabel = control.get(QStringLiteral("YAxisLabel")).toString();
    TxtTitle->setText(title);
    TxtXAxis->setText(xLabel);
    TxtYAxis->setText(yLabel);
}

void ProPage_AXGrph_P1::apply(ControlAccess& control)
{
    control.let(QStringLiteral("Title"), TxtTitle->text());
    control.let(QStringLiteral("XAxisLabel"), TxtXAxis->text());
    control.let(QStringLiteral("YAxisLabel"), TxtYAxis->text());
}

} // namespace vexachart
