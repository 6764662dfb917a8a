#include "cashmovementwindow.h"

#include "uppercasevalidator.h"

#include "app/dbconnection.h"
#include "app/messagesink.h"
#include "app/tdm.h"
#include "movements/cashmovement.h"
#include "movements/movementrefused.h"
#include "output/mailsender.h"
#include "output/ui/mailsending.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMetaObject>

using namespace Qt::StringLiterals;

CashMovementWindow::CashMovementWindow(TDM& dm, std::unique_ptr<CashMovement> movement, QWidget* parent)
    : QDialog(parent)
    , m_dm(dm)
    , m_movement(std::move(movement))
{
}

CashMovementWindow::~CashMovementWindow() = default;

void CashMovementWindow::attach(QLineEdit* reason, QLineEdit* amount, QAbstractButton* confirm)
{
    m_reason = reason;
    m_amount = amount;
    m_confirm = confirm;
    m_reason->setValidator(new UpperCaseValidator(m_reason));
    m_reason->setMaxLength(CashMovement::MaxReasonLength);
}

void CashMovementWindow::showUserInCaption()
{
    const QString user = m_dm.LoggedUser();
    if (user.isEmpty()) {
        m_dm.messages().show(MessageSink::Kind::Warning, u"Erro de Inicialização"_s,
                             u"Este sistema só pode ser executado através dos aplicativos da QUILATE SISTEMAS."_s);
        m_confirm->setEnabled(false);
        QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
        return;
    }
    setWindowTitle(u"Atualizado 27-09-2018 / 09:00 - Nome do Usuário : "_s + user + u" - "_s + m_dm.storeName());
}

void CashMovementWindow::confirm()
{
    if (m_stored)
        return;
    const CashMovement::Input input{m_reason->text(), m_amount->text()};
    if (const auto refusal = m_movement->validate(input)) {
        m_dm.messages().warning(refusal->message);
        QLineEdit* field = refusal->field == CashMovement::Field::Reason ? m_reason : m_amount;
        field->setFocus();
        field->selectAll();
        return;
    }
    CashMovement::Stored stored;
    try {
        stored = m_movement->store(input);
    } catch (const MovementRefused& e) {
        m_dm.messages().show(e.kind(), MessageSink::defaultTitle(), e.message());
        return;
    } catch (const DbError& e) {
        m_dm.messages().error(u"Não foi possível gravar %1.\n\n%2"_s.arg(m_movement->name(), e.message()));
        return;
    }
    // From here on this window is done: a failing mail must not lead to a second movement.
    m_stored = true;
    m_confirm->setEnabled(false);
    if (m_movement->noticeWanted()) {
        try {
            sendMailWhileBusy(this, MailAccount::fromSettings(m_dm.settings()), m_movement->notice(stored));
            m_dm.messages().show(MessageSink::Kind::Warning, u"Atenção"_s, u"A Messagem Foi Enviada com Sucesso"_s);
        } catch (const MailError& e) {
            m_dm.messages().show(MessageSink::Kind::Information, MessageSink::defaultTitle(), e.message());
        }
    }
    accept();
}
