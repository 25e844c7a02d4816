// The program's one window: three entry boxes with their captions, the Calculate button and the
// result box. Loading the window and clicking Calculate compute the payment; leaving an entry
// box checks its entry against the field's bounds and, when it is out of them, brings the
// focus back to the box.
#pragma once

#include "runtime/entrybox.h"
#include "runtime/resultbox.h"

#include <QWidget>

#include <array>

class QFrame;
class QLabel;
class QPushButton;

// An entry field: its box, the name its range message uses, and its inclusive bounds.
struct FieldSpec {
    runtime::EntryBox *box;
    QString name;
    double lowerBound;
    double upperBound;
};

class Form1 : public QWidget
{
    Q_OBJECT
public:
    explicit Form1(QWidget *parent = nullptr);

    void CalculatePayment();
    bool CheckRange(double lowerBound, double upperBound, const QString &entry,
                    const QString &fieldName);

    // The controls, under the names of the form description; the window owns them.
    runtime::EntryBox *const Text1;
    QLabel *const Label1;
    QLabel *const Label2;
    runtime::EntryBox *const Text2;
    runtime::EntryBox *const Text3;
    QLabel *const Label3;
    runtime::ResultBox *const Picture1;
    QLabel *const Label4;
    QPushButton *const Command1;
    QFrame *const Line1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void Form_Load();
    void Command1_Click();
    void Text1_LostFocus();
    void Text2_LostFocus();
    void Text3_LostFocus();
    void LeaveField(const FieldSpec &field);
    bool AcceptField(const FieldSpec &field);

    const std::array<FieldSpec, 3> m_fields;
    bool m_checkingField = false;
};
