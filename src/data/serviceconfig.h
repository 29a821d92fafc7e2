#ifndef SERVICECONFIG_H
#define SERVICECONFIG_H

#include <QString>

// The one place that knows where the outside services live. One base
// address, that of a penlark-server (PENLARK_SERVER, e.g.
// "http://127.0.0.1:8080"), configures them all: the account server, the
// analytics and the update feed are reached under it, and the account server
// hands out the object-storage address with the storage credentials. A
// variable of a single service overrides the base for that service. Every
// address is empty by default: the feature then stays offline. A server
// with a private or self-signed certificate is trusted when PENLARK_CA_FILE
// names a PEM file of its certificate (or of the authority that signed it).
class ServiceConfig
{
public:
    // Base address of a penlark-server (PENLARK_SERVER).
    static QString server();
    // Account server base URL (PENLARK_ACCOUNT_SERVER, else the base).
    static QString accountServer();
    // Usage-analytics server base URL (PENLARK_ANALYTICS_SERVER, else the base).
    static QString analyticsServer();
    // The server of the update feed and installer (PENLARK_UPDATE_FEED when
    // it is a server's address, else the base); the update check adds the
    // feed's path. Empty when PENLARK_UPDATE_FEED names a whole feed.
    static QString updateServer();
    // PENLARK_UPDATE_FEED when it is a whole feed address (its path ends in
    // ".xml"), which then replaces the built one.
    static QString updateFeed();
    // Feedback mail address (PENLARK_FEEDBACK_MAIL).
    static QString feedbackMail();
    // Object-storage endpoint override; normally the account server hands it
    // out with the temporary credentials (PENLARK_OSS_ENDPOINT).
    static QString ossEndpoint();
    // Avatar-proxy base URL for the simulated writers' generated avatars
    // (PENLARK_AVATAR_PROXY).
    static QString avatarProxy();

private:
    // Adds PENLARK_CA_FILE's certificates to those every TLS connection
    // trusts, once for each file named.
    static void trustCaFile();
    static QString value(const char* variable, const QString& fallback = QString());
};

#endif
