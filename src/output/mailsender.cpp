#include "mailsender.h"

#include "app/adminsettings.h"

#include <QThread>

#include <curl/curl.h>

#include <cstring>
#include <mutex>

using namespace Qt::StringLiterals;

namespace {

void initCurl()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Upload {
    const QByteArray* data;
    qsizetype pos = 0;
};

size_t readBody(char* buffer, size_t size, size_t count, void* user)
{
    auto* up = static_cast<Upload*>(user);
    const size_t room = size * count;
    const size_t left = size_t(up->data->size() - up->pos);
    const size_t n = std::min(room, left);
    std::memcpy(buffer, up->data->constData() + up->pos, n);
    up->pos += qsizetype(n);
    return n;
}

QString describe(CURLcode code, const QString& detail, const MailAccount& a)
{
    const QString server = u"%1, porta %2"_s.arg(a.host).arg(a.port);
    QString text;
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
        text = u"Não foi possível conectar ao servidor de e-mail %1."_s.arg(server);
        break;
    case CURLE_OPERATION_TIMEDOUT:
        text = u"O servidor de e-mail %1 não respondeu dentro do tempo limite."_s.arg(server);
        break;
    case CURLE_LOGIN_DENIED:
        text = u"O servidor de e-mail %1 recusou o usuário ou a senha."_s.arg(server);
        break;
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_USE_SSL_FAILED:
    case CURLE_SSL_CACERT_BADFILE:
        text = u"Falha na conexão segura (SSL/TLS) com o servidor de e-mail %1."_s.arg(server);
        break;
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
        text = u"A conexão com o servidor de e-mail %1 foi interrompida."_s.arg(server);
        break;
    default:
        text = u"O servidor de e-mail %1 não aceitou a mensagem."_s.arg(server);
        break;
    }
    return text + u"\n\nDetalhe: "_s + detail;
}

bool worthRetrying(CURLcode code)
{
    return code != CURLE_LOGIN_DENIED && code != CURLE_URL_MALFORMAT && code != CURLE_UNSUPPORTED_PROTOCOL &&
           code != CURLE_PEER_FAILED_VERIFICATION && code != CURLE_SSL_CACERT_BADFILE;
}

MailTransport* g_transport = nullptr;

} // namespace

MailAccount MailAccount::fromSettings(const AdminSettings& s)
{
    MailAccount a;
    a.host = s.SMTPSERVIDOR.trimmed();
    bool ok = false;
    const int port = s.PORTA.trimmed().toInt(&ok);
    a.port = ok && port > 0 ? port : 465;
    a.username = s.SMTPUSUARIO;
    a.password = s.SMTPSENHA;
    a.from = !s.SMTPREMETENTE.trimmed().isEmpty() ? s.SMTPREMETENTE.trimmed() : s.SMTPUSUARIO.trimmed();
    a.ssl = s.SSL;
    a.tls = s.TLS;
    return a;
}

MailAccount MailAccount::pendingClosingAccount(const AdminSettings& s)
{
    MailAccount a = fromSettings(s);
    a.ssl = true;
    a.tls = true;
    a.port = 465;
    return a;
}

void CurlMailTransport::send(const MailAccount& account, const MailMessage& message)
{
    if (account.host.isEmpty())
        throw MailError(u"Nenhum servidor de e-mail configurado. Preencha SMTPSERVIDOR, SMTPUSUARIO, "
                        "SMTPSENHA e SMTPREMETENTE na seção [GERAL] do Admin.ini."_s);
    if (account.from.isEmpty() && message.from.isEmpty())
        throw MailError(u"Nenhum remetente de e-mail configurado (SMTPREMETENTE em [GERAL] do Admin.ini)."_s);
    if (message.recipients.isEmpty())
        throw MailError(u"Nenhum destinatário de e-mail configurado (EMAIL1 a EMAIL3 em [GERAL] do Admin.ini)."_s);

    MailMessage m = message;
    if (m.from.isEmpty())
        m.from = account.from;
    QByteArray mime;
    try {
        mime = m.toMime();
    } catch (const std::runtime_error& e) {
        throw MailError(QString::fromUtf8(e.what()));
    }

    initCurl();
    const QByteArray url =
        (account.ssl ? "smtps://" : "smtp://") + account.host.toUtf8() + ":" + QByteArray::number(account.port);
    const QByteArray from = "<" + m.from.toUtf8() + ">";
    QList<QByteArray> rcpts;
    for (const auto& r : m.recipients)
        rcpts << "<" + r.address.toUtf8() + ">";
    const QByteArray user = account.username.toUtf8();
    const QByteArray password = account.password.toUtf8();
    const QByteArray ca = account.caFile.toUtf8();

    CURLcode code = CURLE_OK;
    QString detail;
    const int attempts = std::max(account.attempts, 1);
    for (int attempt = 1; attempt <= attempts; ++attempt) {
        CURL* curl = curl_easy_init();
        if (!curl)
            throw MailError(u"Não foi possível iniciar o envio de e-mail."_s);
        char error[CURL_ERROR_SIZE] = {};
        curl_slist* list = nullptr;
        for (const auto& r : rcpts)
            list = curl_slist_append(list, r.constData());
        Upload upload{&mime};
        curl_easy_setopt(curl, CURLOPT_URL, url.constData());
        curl_easy_setopt(curl, CURLOPT_MAIL_FROM, from.constData());
        curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, list);
        curl_easy_setopt(curl, CURLOPT_READFUNCTION, readBody);
        curl_easy_setopt(curl, CURLOPT_READDATA, &upload);
        curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(mime.size()));
        curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, long(account.connectTimeoutSeconds));
        curl_easy_setopt(curl, CURLOPT_TIMEOUT, long(account.totalTimeoutSeconds));
        curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);
        if (!user.isEmpty()) {
            curl_easy_setopt(curl, CURLOPT_USERNAME, user.constData());
            curl_easy_setopt(curl, CURLOPT_PASSWORD, password.constData());
        }
        if (!account.ssl && account.tls)
            curl_easy_setopt(curl, CURLOPT_USE_SSL, long(CURLUSESSL_ALL));
        if (!ca.isEmpty())
            curl_easy_setopt(curl, CURLOPT_CAINFO, ca.constData());
        code = curl_easy_perform(curl);
        detail = error[0] ? QString::fromUtf8(error) : QString::fromUtf8(curl_easy_strerror(code));
        curl_slist_free_all(list);
        curl_easy_cleanup(curl);
        if (code == CURLE_OK)
            return;
        if (!worthRetrying(code) || attempt == attempts)
            break;
        QThread::msleep(300 * attempt);
    }
    throw MailError(describe(code, detail, account));
}

MailTransport& defaultMailTransport()
{
    static CurlMailTransport curl;
    return g_transport ? *g_transport : curl;
}

void setDefaultMailTransport(MailTransport* transport)
{
    g_transport = transport;
}
