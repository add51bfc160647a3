#include <winsock2.h>

#include "support/LoopbackHttpServer.h"

#include <string>
#include <vector>

#include "platform/base/Firewall.h"

namespace
{
BOOL SendAll(SOCKET sock, const char* p, int cb)
{
    while (cb > 0) {
        int n = send(sock, p, cb, 0);
        if (n <= 0) {
            return FALSE;
        }
        p += n;
        cb -= n;
    }
    return TRUE;
}

// The file a request path names inside the folder: no "..", no backslashes, no query.
BOOL MapPath(const std::string& strPath, const CString& strFolder, CString& strFile)
{
    if (strPath.empty() || strPath[0] != '/' || strPath.find("..") != std::string::npos ||
        strPath.find('\\') != std::string::npos || strPath.find(':') != std::string::npos) {
        return FALSE;
    }
    std::string strRel =
        strPath.substr(1, strPath.find('?') == std::string::npos ? std::string::npos : strPath.find('?') - 1);
    for (char& ch : strRel) {
        if (ch == '/') {
            ch = '\\';
        }
    }
    strFile = strFolder + "\\" + strRel.c_str();
    return !strRel.empty();
}
} // namespace

CLoopbackHttpServer::CLoopbackHttpServer()
    : m_sockListen(INVALID_SOCKET), m_hStop(CreateEventA(nullptr, TRUE, FALSE, nullptr)), m_nPort(0),
      m_bSendLength(TRUE), m_nRequests(0), m_bWsaStarted(FALSE)
{
}

CLoopbackHttpServer::~CLoopbackHttpServer()
{
    Stop();
}

BOOL CLoopbackHttpServer::Start(LPCSTR pszFolder)
{
    Stop();
    ResetEvent(m_hStop);
    WSADATA wsa;
    if (WSAStartup(MAKEWORD(2, 2), &wsa) != 0) {
        return FALSE;
    }
    m_bWsaStarted = TRUE;
    m_strFolder = pszFolder;
    SOCKET sock = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (sock == INVALID_SOCKET) {
        Stop();
        return FALSE;
    }
    sockaddr_in addr = {};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    int cbAddr = sizeof(addr);
    if (bind(sock, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)) != 0 || listen(sock, 8) != 0 ||
        getsockname(sock, reinterpret_cast<sockaddr*>(&addr), &cbAddr) != 0) {
        closesocket(sock);
        Stop();
        return FALSE;
    }
    m_sockListen = sock;
    m_nPort = ntohs(addr.sin_port);
    m_hThread.Attach(CreateThread(nullptr, 0, &CLoopbackHttpServer::ThreadProc, this, 0, nullptr));
    if (!m_hThread.IsValid()) {
        Stop();
        return FALSE;
    }
    return TRUE;
}

void CLoopbackHttpServer::Stop()
{
    SetEvent(m_hStop);
    if (m_sockListen != INVALID_SOCKET) {
        // Closing the socket ends the accept the thread waits in.
        closesocket(m_sockListen);
        m_sockListen = INVALID_SOCKET;
    }
    if (m_hThread.IsValid()) {
        WaitForSingleObject(m_hThread, 10000);
        m_hThread.Close();
    }
    if (m_bWsaStarted) {
        WSACleanup();
        m_bWsaStarted = FALSE;
    }
    m_nPort = 0;
}

CString CLoopbackHttpServer::UrlOf(LPCSTR pszPath) const
{
    CString strUrl;
    strUrl.Format("http://127.0.0.1:%d/%s", m_nPort, pszPath);
    return strUrl;
}

DWORD WINAPI CLoopbackHttpServer::ThreadProc(LPVOID pParam)
{
    return FxCallbackEntry("CLoopbackHttpServer::ThreadProc", 1, [&]() -> DWORD {
        static_cast<CLoopbackHttpServer*>(pParam)->Serve();
        return 0;
    });
}

void CLoopbackHttpServer::Serve()
{
    const SOCKET sockListen = m_sockListen;
    for (;;) {
        SOCKET sock = accept(sockListen, nullptr, nullptr);
        if (sock == INVALID_SOCKET) {
            return;
        }
        Answer(sock);
        shutdown(sock, SD_SEND);
        closesocket(sock);
    }
}

BOOL CLoopbackHttpServer::Misbehave(UINT_PTR sockAnswer, const char* pszPath)
{
    const SOCKET sock = static_cast<SOCKET>(sockAnswer);
    const std::string strPath = pszPath;
    auto sendText = [sock](const std::string& str) { return SendAll(sock, str.data(), static_cast<int>(str.size())); };
    if (strPath == "/stall") {
        // Until the client gives up or the server stops.
        for (int i = 0; i < 600 && WaitForSingleObject(m_hStop, 0) != WAIT_OBJECT_0; ++i) {
            fd_set readable;
            FD_ZERO(&readable);
            FD_SET(sock, &readable);
            timeval tv = {0, 100000};
            char ch = 0;
            if (select(0, &readable, nullptr, nullptr, &tv) > 0 && recv(sock, &ch, 1, 0) <= 0) {
                break;
            }
        }
        return TRUE;
    }
    if (strPath == "/long-header") {
        sendText("HTTP/1.1 200 OK\r\nX-Long: ");
        const std::string strBlock(64 * 1024, 'a');
        for (int i = 0; i < 160 && WaitForSingleObject(m_hStop, 0) != WAIT_OBJECT_0; ++i) {
            if (!sendText(strBlock)) {
                return TRUE;
            }
        }
        sendText("\r\nContent-Length: 2\r\nConnection: close\r\n\r\nok");
        return TRUE;
    }
    if (strPath == "/loop") {
        sendText("HTTP/1.1 302 Found\r\nLocation: /loop\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        return TRUE;
    }
    if (strPath.compare(0, 10, "/redirect/") == 0) {
        const size_t nSlash = strPath.find('/', 10);
        const int nLeft = atoi(strPath.substr(10, nSlash - 10).c_str());
        if (nSlash == std::string::npos || nLeft <= 0) {
            return FALSE;
        }
        const std::string strNext =
            nLeft == 1 ? strPath.substr(nSlash) : "/redirect/" + std::to_string(nLeft - 1) + strPath.substr(nSlash);
        sendText("HTTP/1.1 302 Found\r\nLocation: " + strNext + "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        return TRUE;
    }
    if (strPath == "/huge" || strPath == "/huge-unsized") {
        sendText(strPath == "/huge" ? "HTTP/1.1 200 OK\r\nContent-Length: 4294967296\r\nConnection: close\r\n\r\n"
                                    : "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n");
        // WinINet drains an announced body when the request is closed: more would only slow tests.
        const std::string strBlock(64 * 1024, 'z');
        for (int i = 0; i < 256 && WaitForSingleObject(m_hStop, 0) != WAIT_OBJECT_0; ++i) {
            if (!sendText(strBlock)) {
                break;
            }
        }
        return TRUE;
    }
    if (strPath.compare(0, 7, "/short/") == 0) {
        CString strFile;
        if (!MapPath(strPath.substr(6), m_strFolder, strFile)) {
            return FALSE;
        }
        CFxHandle hFile(CreateFileA(strFile, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (hFile == INVALID_HANDLE_VALUE) {
            return FALSE;
        }
        std::vector<char> body(GetFileSize(hFile, nullptr));
        DWORD cbRead = 0;
        if (!body.empty()) {
            ReadFile(hFile, body.data(), static_cast<DWORD>(body.size()), &cbRead, nullptr);
        }
        hFile.Close();
        sendText("HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n");
        SendAll(sock, body.data(), static_cast<int>(body.size() / 2));
        return TRUE;
    }
    return FALSE;
}

void CLoopbackHttpServer::Answer(UINT_PTR sockAnswer)
{
    const SOCKET sock = static_cast<SOCKET>(sockAnswer);
    std::string strRequest;
    char buf[1024];
    while (strRequest.find("\r\n\r\n") == std::string::npos && strRequest.size() < 65536) {
        int n = recv(sock, buf, sizeof(buf), 0);
        if (n <= 0) {
            return;
        }
        strRequest.append(buf, static_cast<size_t>(n));
    }
    InterlockedIncrement(&m_nRequests);
    // "GET /path HTTP/1.1"
    const size_t nSpace1 = strRequest.find(' ');
    const size_t nSpace2 = nSpace1 == std::string::npos ? nSpace1 : strRequest.find(' ', nSpace1 + 1);
    const std::string strMethod = strRequest.substr(0, nSpace1);
    const std::string strPath =
        nSpace2 == std::string::npos ? std::string() : strRequest.substr(nSpace1 + 1, nSpace2 - nSpace1 - 1);
    // A client that stops reading must not hold the server.
    DWORD dwSendTimeout = 5000;
    setsockopt(sock, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&dwSendTimeout), sizeof(dwSendTimeout));
    if (strMethod == "GET" && Misbehave(sock, strPath.c_str())) {
        return;
    }

    std::vector<char> body;
    BOOL bFound = FALSE;
    CString strFile;
    if ((strMethod == "GET" || strMethod == "HEAD") && MapPath(strPath, m_strFolder, strFile)) {
        CFxHandle hFile(CreateFileA(strFile, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (hFile != INVALID_HANDLE_VALUE) {
            const DWORD cb = GetFileSize(hFile, nullptr);
            body.resize(cb);
            DWORD cbRead = 0;
            bFound = cb == 0 || (ReadFile(hFile, body.data(), cb, &cbRead, nullptr) && cbRead == cb);
            hFile.Close();
        }
    }
    if (!bFound) {
        static const char s_szPage[] = "<html><body>404 Not Found</body></html>";
        body.assign(s_szPage, s_szPage + sizeof(s_szPage) - 1);
    }
    std::string strHead = bFound ? "HTTP/1.1 200 OK\r\n" : "HTTP/1.1 404 Not Found\r\n";
    strHead += bFound ? "Content-Type: application/octet-stream\r\n" : "Content-Type: text/html\r\n";
    if (m_bSendLength) {
        strHead += "Content-Length: " + std::to_string(body.size()) + "\r\n";
    }
    strHead += "Connection: close\r\n\r\n";
    SendAll(sock, strHead.data(), static_cast<int>(strHead.size()));
    if (strMethod != "HEAD" && !body.empty()) {
        SendAll(sock, body.data(), static_cast<int>(body.size()));
    }
}
