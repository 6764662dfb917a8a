#pragma once

#include <QDialog>

#include <memory>

class CashMovement;
class QAbstractButton;
class QLineEdit;
class TDM;

// What the withdrawal, reinforcement and expense windows share: "Con&firmar" validates,
// stores once, mails the notice and closes the window.
class CashMovementWindow : public QDialog {
    Q_OBJECT
public:
    ~CashMovementWindow() override;

    // Whether this window has stored its movement (it never stores a second one).
    bool isStored() const { return m_stored; }

protected:
    CashMovementWindow(TDM& dm, std::unique_ptr<CashMovement> movement, QWidget* parent);

    // The reason, amount and confirm controls of the concrete window.
    void attach(QLineEdit* reason, QLineEdit* amount, QAbstractButton* confirm);
    // The withdrawal and expense windows name the user and the store in the caption and
    // refuse to work without a user.
    void showUserInCaption();
    void confirm();

    TDM& m_dm;

private:
    std::unique_ptr<CashMovement> m_movement;
    QLineEdit* m_reason = nullptr;
    QLineEdit* m_amount = nullptr;
    QAbstractButton* m_confirm = nullptr;
    bool m_stored = false;
};
