#include "mailsending.h"

#include <QApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>

#include <exception>

using namespace Qt::StringLiterals;

void sendMailWhileBusy(QWidget* parent, const MailAccount& account, const MailMessage& message)
{
    std::exception_ptr failure;
    MailTransport& transport = defaultMailTransport();
    QThread* worker = QThread::create([&] {
        try {
            transport.send(account, message);
        } catch (...) {
            failure = std::current_exception();
        }
    });
    QProgressDialog busy(u"Enviando e-mail..."_s, QString(), 0, 0, parent);
    busy.setWindowTitle(u"Aguarde"_s);
    busy.setWindowModality(Qt::WindowModal);
    busy.setMinimumDuration(300);
    busy.setCancelButton(nullptr);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QEventLoop loop;
    QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
    delete worker;
    QApplication::restoreOverrideCursor();
    busy.reset();
    if (failure)
        std::rethrow_exception(failure);
}
