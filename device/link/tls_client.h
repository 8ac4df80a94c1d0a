#pragma once

#include <sys/types.h>

#include <cstdint>
#include <mutex>
#include <span>
#include <string>

#include "device/link/tcp_connect.h"

typedef struct ssl_st SSL;
typedef struct ssl_ctx_st SSL_CTX;

// TLS on a connected socket (OpenSSL): the server's certificate verified against a CA file or
// the system's store and against the host's name, a client certificate sent when given.
namespace orvik::device {

struct TlsFiles {
    std::string ca;           // the CA that signs the server; empty: the system's store
    std::string certificate;  // the client's certificate chain; empty: none
    std::string key;          // its private key; empty: in the certificate's file
};

class TlsClient {
  public:
    TlsClient() = default;
    ~TlsClient();
    TlsClient(const TlsClient&) = delete;
    TlsClient& operator=(const TlsClient&) = delete;

    // Shakes hands on the connected non-blocking socket fd. False with the reason (naming the
    // verification's failure) in *reason; nothing of the register's is sent before success.
    bool Handshake(int fd, const std::string& host, const TlsFiles& files, Deadline deadline,
                   const StopCheck& stop, std::string* reason);
    // As recv(2) and send(2) on the socket: -1 with errno EAGAIN while TLS waits for the
    // socket. Safe to call from the receiver and a writer at once.
    ssize_t Read(std::span<std::uint8_t> into);
    ssize_t Write(std::span<const std::uint8_t> bytes);
    // Sends the closing alert (best effort) and frees the session.
    void Close();
    // "TLSv1.3 TLS_AES_256_GCM_SHA384"
    std::string Description() const;

  private:
    ssize_t Finish(int returned);  // maps an SSL call's result to the recv/send convention

    SSL_CTX* m_context = nullptr;
    SSL* m_session = nullptr;
    std::mutex m_mutex;  // one SSL object is never used by two threads at once
};

}  // namespace orvik::device
