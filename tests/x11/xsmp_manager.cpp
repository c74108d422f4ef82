// A minimal X session manager (XSMP over ICE) for the X display tests: clients
// started with the printed SESSION_MANAGER connect to it, and commands read from
// standard input ask them to save the way a desktop's session manager does.
//
// Standard output, one line each:
//   SESSION_MANAGER=<network id>   once, when it listens
//   registered                     a client has registered
//   save-yourself-done <0|1>       a client has saved (1: successfully)
//   die                            the manager told the clients to end
//   closed                         a client closed its session connection
// Standard input, one command a line:
//   checkpoint   save, and go on running (SaveYourself without shutdown, then SaveComplete)
//   logout       save for the session's end (SaveYourself with shutdown), then Die
// It ends when standard input closes.
//
// Only the local (Unix socket) transport accepts clients: connections over the
// other transports fail ICE authentication, since no authentication data is set.

#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Client {
    SmsConn session = nullptr;
    bool registered = false;
    bool loggingOut = false;
};

std::vector<Client*> clients;
std::vector<IceConn> connections;

void report(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

Bool acceptLocalHost(char*) { return True; }

void ignoreIoError(IceConn) {}

Status registerClient(SmsConn session, SmPointer data, char* previousId) {
    auto* client = static_cast<Client*>(data);
    std::free(previousId);
    char* generated = SmsGenerateClientID(session);
    std::string id = generated ? generated : "1solvane-test-client";
    std::free(generated);
    if (!SmsRegisterClientReply(session, id.data())) return 0;
    client->registered = true;
    report("registered");
    return 1;
}

void interactRequest(SmsConn session, SmPointer, int) { SmsInteract(session); }

void interactDone(SmsConn, SmPointer, Bool) {}

void saveYourselfRequest(SmsConn, SmPointer, int, Bool, int, Bool, Bool) {}

void saveYourselfPhase2Request(SmsConn session, SmPointer) { SmsSaveYourselfPhase2(session); }

void saveYourselfDone(SmsConn session, SmPointer data, Bool success) {
    auto* client = static_cast<Client*>(data);
    report(std::string("save-yourself-done ") + (success ? "1" : "0"));
    if (client->loggingOut) {
        client->loggingOut = false;
        SmsDie(session);
        report("die");
    } else {
        SmsSaveComplete(session);
    }
}

void closeConnection(SmsConn session, SmPointer data, int count, char** reasons) {
    auto* client = static_cast<Client*>(data);
    SmFreeReasons(count, reasons);
    SmsCleanUp(session);
    clients.erase(std::remove(clients.begin(), clients.end(), client), clients.end());
    delete client;
    report("closed");
}

void setProperties(SmsConn, SmPointer, int count, SmProp** properties) {
    for (int i = 0; i < count; ++i) SmFreeProperty(properties[i]);
    std::free(properties);
}

void deleteProperties(SmsConn, SmPointer, int count, char** names) {
    for (int i = 0; i < count; ++i) std::free(names[i]);
    std::free(names);
}

void getProperties(SmsConn session, SmPointer) { SmsReturnProperties(session, 0, nullptr); }

Status newClient(SmsConn session, SmPointer, unsigned long* mask, SmsCallbacks* callbacks, char**) {
    auto* client = new Client{session};
    clients.push_back(client);
    std::memset(callbacks, 0, sizeof *callbacks);
    callbacks->register_client = {registerClient, client};
    callbacks->interact_request = {interactRequest, client};
    callbacks->interact_done = {interactDone, client};
    callbacks->save_yourself_request = {saveYourselfRequest, client};
    callbacks->save_yourself_phase2_request = {saveYourselfPhase2Request, client};
    callbacks->save_yourself_done = {saveYourselfDone, client};
    callbacks->close_connection = {closeConnection, client};
    callbacks->set_properties = {setProperties, client};
    callbacks->delete_properties = {deleteProperties, client};
    callbacks->get_properties = {getProperties, client};
    *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask |
            SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask | SmsSaveYourselfDoneProcMask |
            SmsCloseConnectionProcMask | SmsSetPropertiesProcMask | SmsDeletePropertiesProcMask |
            SmsGetPropertiesProcMask;
    return 1;
}

void command(const std::string& line) {
    for (Client* client : clients) {
        if (!client->registered) continue;
        if (line == "checkpoint") {
            SmsSaveYourself(client->session, SmSaveBoth, False, SmInteractStyleNone, False);
        } else if (line == "logout") {
            client->loggingOut = true;
            SmsSaveYourself(client->session, SmSaveBoth, True, SmInteractStyleAny, False);
        }
    }
    if (line != "checkpoint" && line != "logout")
        std::fprintf(stderr, "xsmp_manager: unknown command '%s'\n", line.c_str());
}

// Ends a connection that failed; a client that went without closing its session goes with it.
void closeIce(IceConn connection) {
    for (Client* client : std::vector<Client*>(clients)) {
        if (SmsGetIceConnection(client->session) != connection) continue;
        SmsCleanUp(client->session);
        clients.erase(std::remove(clients.begin(), clients.end(), client), clients.end());
        delete client;
    }
    IceSetShutdownNegotiation(connection, False);
    IceCloseConnection(connection);
    connections.erase(std::remove(connections.begin(), connections.end(), connection), connections.end());
}

}  // namespace

int main() {
    char error[256] = "";
    IceSetIOErrorHandler(ignoreIoError);
    if (!SmsInitialize("solvane-tests", "1.0", newClient, nullptr, acceptLocalHost, sizeof error, error)) {
        std::fprintf(stderr, "xsmp_manager: %s\n", error);
        return 1;
    }
    int count = 0;
    IceListenObj* all = nullptr;
    if (!IceListenForConnections(&count, &all, sizeof error, error)) {
        std::fprintf(stderr, "xsmp_manager: %s\n", error);
        return 1;
    }
    std::vector<IceListenObj> local;
    for (int i = 0; i < count; ++i) {
        char* id = IceGetListenConnectionString(all[i]);
        if (std::strncmp(id, "local/", 6) == 0) {
            IceSetHostBasedAuthProc(all[i], acceptLocalHost);
            local.push_back(all[i]);
        }
        std::free(id);
    }
    if (local.empty()) {
        std::fprintf(stderr, "xsmp_manager: no local transport\n");
        return 1;
    }
    char* ids = IceComposeNetworkIdList(static_cast<int>(local.size()), local.data());
    report(std::string("SESSION_MANAGER=") + ids);
    std::free(ids);

    std::string input;
    for (;;) {
        std::vector<pollfd> watched{{STDIN_FILENO, POLLIN, 0}};
        for (IceListenObj listener : local) watched.push_back({IceGetListenConnectionNumber(listener), POLLIN, 0});
        for (IceConn connection : connections) watched.push_back({IceConnectionNumber(connection), POLLIN, 0});
        if (::poll(watched.data(), watched.size(), -1) < 0) continue;

        std::size_t at = 0;
        if (watched[at++].revents) {
            char buffer[256];
            const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
            if (got <= 0) break;
            input.append(buffer, static_cast<std::size_t>(got));
            for (std::size_t end; (end = input.find('\n')) != std::string::npos; input.erase(0, end + 1)) {
                command(input.substr(0, end));
            }
        }
        // Only the connections that were watched have a slot in `watched`.
        const std::vector<IceConn> open(connections);
        for (IceListenObj listener : local) {
            if (!watched[at++].revents) continue;
            IceAcceptStatus status;
            if (IceConn connection = IceAcceptConnection(listener, &status)) connections.push_back(connection);
        }
        for (IceConn connection : open) {
            if (!watched[at++].revents) continue;
            const IceProcessMessagesStatus status = IceProcessMessages(connection, nullptr, nullptr);
            if (status == IceProcessMessagesConnectionClosed) {
                connections.erase(std::remove(connections.begin(), connections.end(), connection), connections.end());
            } else if (status == IceProcessMessagesIOError || IceConnectionStatus(connection) == IceConnectRejected) {
                closeIce(connection);
            }
        }
    }
    IceFreeListenObjs(count, all);
    return 0;
}
