#ifndef CONTROLAPI_H
#define CONTROLAPI_H

#include "requestcontext.h"

class AccountApi;
class AccountStore;
class Analytics;
class CaptchaStore;
class CredentialStore;
class Database;
class FaultInjector;
class ObjectStore;
class RequestJournal;
class StorageApi;

// The "/_control" endpoints that tests use to script a running server:
// fault rules, the request journal, a full reset, options, accounts and
// direct access to objects (listed in the server's --help). They exist
// only with --test-control and answer only the local machine.
class ControlApi
{
public:
    struct Parts
    {
        FaultInjector* faults = nullptr;
        RequestJournal* journal = nullptr;
        Database* database = nullptr;
        AccountStore* accounts = nullptr;
        CredentialStore* credentials = nullptr;
        ObjectStore* objects = nullptr;
        StorageApi* storage = nullptr;
        AccountApi* accountApi = nullptr;
        CaptchaStore* captchas = nullptr;
        Analytics* analytics = nullptr;
    };

    explicit ControlApi(const Parts& parts);

    void handle(const httplib::Request& request, httplib::Response& response, RequestContext& context);

private:
    void objects(const httplib::Request& request, httplib::Response& response, const RequestContext& context);
    void options(const httplib::Request& request, httplib::Response& response);

    Parts m_parts;
};

#endif
