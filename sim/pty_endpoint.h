#pragma once

#include <string>

// The simulated register's end of the line: a pseudo-terminal whose slave is linked as a COM
// name in the ports folder, where the console finds it. The slave is put into raw mode before
// it is linked, so that nothing the console sends is echoed back, and the simulator keeps a
// slave descriptor of its own open, so that the master reads no end of file between two
// console connections. The console applies its own line settings to the slave; they are shared
// by both ends and left alone here.
namespace orvik::sim {

class PtyEndpoint {
  public:
    PtyEndpoint() = default;
    ~PtyEndpoint();
    PtyEndpoint(const PtyEndpoint&) = delete;
    PtyEndpoint& operator=(const PtyEndpoint&) = delete;

    // Creates the pseudo-terminal and links it as comName ("COM1" to "COM24") in the ports
    // folder, which is created with its parents if missing (the folder itself for this user
    // alone, mode 0700). A ports folder the console would not use (another user's, a symbolic
    // link, one others may write to) is refused. A stale link of that name is replaced; a name
    // another running simulator serves is refused. False with the reason in *error.
    bool Open(const std::string& comName, std::string* error);
    // Removes the link (when it is still ours) and closes everything.
    void Close();
    // Closes the master: the console's side sees the line hang up. The link stays until Close.
    void HangUp();

    int MasterFd() const { return m_master; }
    const std::string& SlavePath() const { return m_slavePath; }
    const std::string& LinkPath() const { return m_linkPath; }
    // The baud rate currently set on the line (by the console), 0 when unknown.
    int LineBaud() const;

  private:
    bool CreatePty(std::string* error);
    bool LockName(const std::string& dir, const std::string& comName, std::string* error);
    bool Link(const std::string& dir, const std::string& comName, std::string* error);
    void Unlink();

    int m_master = -1;
    int m_slave = -1;
    int m_lock = -1;  // flock held on ".COMn.lock" while this endpoint serves the name
    std::string m_slavePath;
    std::string m_linkPath;
};

}  // namespace orvik::sim
