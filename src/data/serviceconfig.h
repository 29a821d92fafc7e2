#ifndef SERVICECONFIG_H
#define SERVICECONFIG_H

#include <QString>

// The one place that knows where the outside services live. Every address is
// empty by default (the feature then stays offline) and can be set through an
// environment variable, which is how tests point them at local servers.
class ServiceConfig
{
public:
    // Account server base URL, e.g. "http://127.0.0.1:8080" (PENLARK_ACCOUNT_SERVER).
    static QString accountServer();
    // Usage-analytics server base URL (PENLARK_ANALYTICS_SERVER).
    static QString analyticsServer();
    // Full URL of the update feed's "Updates.xml" (PENLARK_UPDATE_FEED).
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
    static QString value(const char* variable, const QString& fallback = QString());
};

#endif
