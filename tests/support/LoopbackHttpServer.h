// A small HTTP server on 127.0.0.1 for tests of URL reading: it listens on a free port chosen by
// the system and answers GET requests with the files of one folder (404 for anything else), one
// connection at a time, on a thread of its own. A few paths misbehave on purpose, each bounded in
// time and bytes so that a test never waits long on the server:
//   /stall               reads the request and never answers (until Stop, at most a minute)
//   /long-header         a 10 MB header line
//   /loop                redirects to itself
//   /redirect/<n>/<file> redirects n times, then serves the file
//   /huge                announces 4 GB and sends until the client stops (16 MB at most)
//   /huge-unsized        the same without a length
//   /short/<file>        announces the file's length and sends only half of it
#pragma once

#include "platform/base/FxHandle.h"
#include "platform/base/String.h"

class CLoopbackHttpServer
{
public:
    CLoopbackHttpServer();
    // Stops the server.
    ~CLoopbackHttpServer();
    CLoopbackHttpServer(const CLoopbackHttpServer&) = delete;
    CLoopbackHttpServer& operator=(const CLoopbackHttpServer&) = delete;

    // Serves the files of pszFolder; FALSE when no socket could be set up.
    BOOL Start(LPCSTR pszFolder);
    void Stop();

    int GetPort() const { return m_nPort; }
    // "http://127.0.0.1:<port>/" followed by pszPath.
    CString UrlOf(LPCSTR pszPath) const;
    // FALSE: answers carry no Content-Length, the body ends when the connection closes.
    void SetSendLength(BOOL bSend) { m_bSendLength = bSend; }
    // Requests answered so far.
    long GetRequestCount() const { return m_nRequests; }

private:
    static DWORD WINAPI ThreadProc(LPVOID pParam);
    void Serve();
    void Answer(UINT_PTR sock);
    // The misbehaving paths; FALSE for an ordinary path.
    BOOL Misbehave(UINT_PTR sock, const char* pszPath);

    CString m_strFolder;
    UINT_PTR m_sockListen;
    CFxHandle m_hThread;
    // Set by Stop: ends a stalled answer.
    CFxHandle m_hStop;
    int m_nPort;
    volatile BOOL m_bSendLength;
    volatile long m_nRequests;
    BOOL m_bWsaStarted;
};
