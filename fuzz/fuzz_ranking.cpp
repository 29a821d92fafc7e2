// Fuzz target: the writing rooms' XML readers (room, member record, day
// plan and catalogue) on arbitrary text.
#include "fuzzsetup.h"

#include "ranking/rankingxml.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    startFuzzing(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    const QString text = QString::fromUtf8(bytes);
    RankingXml::roomXmlToRoomData(text);
    RankingXml::userXmlToUserDayData(text);
    RankingXml::userXmlToUserRoomData(text);
    const BotsData plan = RankingXml::botXmlToBotData(text);
    if (plan.BotList.size() > RankingXml::MaxPlanWriters)
        __builtin_trap();
    RankingXml::botXmlToBotUser(bytes, 100);
    return 0;
}
