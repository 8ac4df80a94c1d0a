#include "device/link/tls_client.h"

#include <arpa/inet.h>
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>
#include <poll.h>
#include <signal.h>

#include <cerrno>
#include <climits>

namespace orvik::device {

namespace {

std::string OpenSslError(const std::string& what) {
    const unsigned long code = ::ERR_get_error();
    ::ERR_clear_error();
    if (code == 0) {
        return what;
    }
    char text[256];
    ::ERR_error_string_n(code, text, sizeof(text));
    return what + " (" + text + ")";
}

// OpenSSL writes to the socket with write(2): a server gone away would raise SIGPIPE, which
// ends a program that does not expect it. The signal is held back in this thread for the call
// and a SIGPIPE it caused is taken before the mask is restored.
class SigPipeHeld {
  public:
    SigPipeHeld() {
        sigemptyset(&m_pipe);
        sigaddset(&m_pipe, SIGPIPE);
        sigset_t pending;
        sigpending(&pending);
        m_wasPending = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &m_pipe, &m_saved);
    }
    ~SigPipeHeld() {
        const int savedErrno = errno;
        sigset_t pending;
        sigpending(&pending);
        if (!m_wasPending && sigismember(&pending, SIGPIPE) == 1) {
            const timespec none{};
            sigtimedwait(&m_pipe, nullptr, &none);
        }
        pthread_sigmask(SIG_SETMASK, &m_saved, nullptr);
        errno = savedErrno;
    }
    SigPipeHeld(const SigPipeHeld&) = delete;
    SigPipeHeld& operator=(const SigPipeHeld&) = delete;

  private:
    sigset_t m_pipe{};
    sigset_t m_saved{};
    bool m_wasPending = false;
};

bool IsIpAddress(const std::string& host) {
    unsigned char buffer[sizeof(in6_addr)];
    return ::inet_pton(AF_INET, host.c_str(), buffer) == 1 ||
           ::inet_pton(AF_INET6, host.c_str(), buffer) == 1;
}

}  // namespace

TlsClient::~TlsClient() {
    Close();
}

bool TlsClient::Handshake(int fd, const std::string& host, const TlsFiles& files, Deadline deadline,
                          const StopCheck& stop, std::string* reason) {
    Close();
    ::ERR_clear_error();
    m_context = ::SSL_CTX_new(::TLS_client_method());
    if (!m_context) {
        *reason = OpenSslError("TLS could not be set up");
        return false;
    }
    ::SSL_CTX_set_min_proto_version(m_context, TLS1_2_VERSION);
    ::SSL_CTX_set_verify(m_context, SSL_VERIFY_PEER, nullptr);
    const bool trusted = files.ca.empty() ? ::SSL_CTX_set_default_verify_paths(m_context) == 1
                                          : ::SSL_CTX_load_verify_locations(
                                                m_context, files.ca.c_str(), nullptr) == 1;
    if (!trusted) {
        *reason = OpenSslError(files.ca.empty() ? "the system's certificate store cannot be read"
                                                : "the CA file " + files.ca + " cannot be read");
        return false;
    }
    if (!files.certificate.empty()) {
        const std::string& key = files.key.empty() ? files.certificate : files.key;
        if (::SSL_CTX_use_certificate_chain_file(m_context, files.certificate.c_str()) != 1) {
            *reason =
                OpenSslError("the client certificate " + files.certificate + " cannot be read");
            return false;
        }
        if (::SSL_CTX_use_PrivateKey_file(m_context, key.c_str(), SSL_FILETYPE_PEM) != 1 ||
            ::SSL_CTX_check_private_key(m_context) != 1) {
            *reason = OpenSslError("the client key " + key +
                                   " cannot be read or does not match the certificate");
            return false;
        }
    }
    m_session = ::SSL_new(m_context);
    if (!m_session || ::SSL_set_fd(m_session, fd) != 1) {
        *reason = OpenSslError("TLS could not be set up");
        return false;
    }
    // The certificate must name the host as it was typed: a DNS name or an IP address.
    X509_VERIFY_PARAM* param = ::SSL_get0_param(m_session);
    if (IsIpAddress(host)) {
        ::X509_VERIFY_PARAM_set1_ip_asc(param, host.c_str());
    } else {
        ::SSL_set_tlsext_host_name(m_session, host.c_str());
        ::SSL_set1_host(m_session, host.c_str());
    }
    for (;;) {
        int done = 0;
        {
            const SigPipeHeld held;
            done = ::SSL_connect(m_session);
        }
        if (done == 1) {
            return true;
        }
        const int error = ::SSL_get_error(m_session, done);
        if (error == SSL_ERROR_WANT_READ || error == SSL_ERROR_WANT_WRITE) {
            if (WaitForDescriptor(fd, error == SSL_ERROR_WANT_READ ? POLLIN : POLLOUT, deadline,
                                  stop)) {
                continue;
            }
            *reason = stop && stop() ? "interrupted during the TLS handshake"
                                     : "the TLS handshake took too long";
            return false;
        }
        const long verify = ::SSL_get_verify_result(m_session);
        if (verify != X509_V_OK) {
            *reason = "the server's certificate was refused: " +
                      std::string(::X509_verify_cert_error_string(verify));
        } else if (error == SSL_ERROR_SYSCALL && ::ERR_peek_error() == 0) {
            *reason =
                "the server closed the connection during the TLS handshake (is it a TLS "
                "port?)";
        } else {
            *reason = OpenSslError("the TLS handshake failed");
        }
        ::ERR_clear_error();
        return false;
    }
}

ssize_t TlsClient::Finish(int returned) {
    if (returned > 0) {
        return returned;
    }
    const int error = ::SSL_get_error(m_session, returned);
    switch (error) {
        case SSL_ERROR_WANT_READ:
        case SSL_ERROR_WANT_WRITE:
            errno = EAGAIN;
            return -1;
        case SSL_ERROR_ZERO_RETURN:
            return 0;
        case SSL_ERROR_SYSCALL:
            ::ERR_clear_error();
            if (errno == 0) {
                // The peer went away without the closing alert.
                errno = ECONNRESET;
            }
            return -1;
        default:
            ::ERR_clear_error();
            errno = EPROTO;
            return -1;
    }
}

ssize_t TlsClient::Read(std::span<std::uint8_t> into) {
    const std::lock_guard lock(m_mutex);
    if (!m_session) {
        errno = EBADF;
        return -1;
    }
    errno = 0;
    const int size = static_cast<int>(std::min<std::size_t>(into.size(), INT_MAX));
    return Finish(::SSL_read(m_session, into.data(), size));
}

ssize_t TlsClient::Write(std::span<const std::uint8_t> bytes) {
    const std::lock_guard lock(m_mutex);
    if (!m_session) {
        errno = EBADF;
        return -1;
    }
    const SigPipeHeld held;
    errno = 0;
    const int size = static_cast<int>(std::min<std::size_t>(bytes.size(), INT_MAX));
    return Finish(::SSL_write(m_session, bytes.data(), size));
}

std::string TlsClient::Description() const {
    if (!m_session) {
        return {};
    }
    return std::string(::SSL_get_version(m_session)) + " " +
           ::SSL_CIPHER_get_name(::SSL_get_current_cipher(m_session));
}

void TlsClient::Close() {
    const std::lock_guard lock(m_mutex);
    if (m_session) {
        const SigPipeHeld held;
        ::SSL_shutdown(m_session);
        ::SSL_free(m_session);
        m_session = nullptr;
    }
    if (m_context) {
        ::SSL_CTX_free(m_context);
        m_context = nullptr;
    }
}

}  // namespace orvik::device
