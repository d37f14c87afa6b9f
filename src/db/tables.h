#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/trnoop.h"

namespace kvx {

// Layout flags of the file header.
constexpr uint32_t FLAG_TP_NAMES = 0x01;
constexpr uint32_t FLAG_NET_SKEW = 0x02;
constexpr uint32_t FLAG_PROG_CA = 0x04;
constexpr uint32_t FLAG_TP_EXTRA = 0x08;
constexpr uint32_t FLAG_PROG_EXTRA = 0x10;
constexpr uint32_t FLAG_COMPRESSED = 0x20;

constexpr uint8_t TERRESTRIAL_SLOT = 64;
constexpr int SATELLITE_SLOT_COUNT = 64;
constexpr int COMBO_SLOT_COUNT = 65;
constexpr int FAVOURITE_GROUP_COUNT = 16;

constexpr uint16_t NO_POSITION = 0xFFFF;
constexpr uint8_t NO_SLOT = 255;
constexpr uint16_t NO_PID = 0xFFFF;
constexpr int32_t NO_GMT_ERROR = INT32_MIN;
constexpr uint8_t NO_LANGUAGE = 255;
constexpr uint8_t NAME_CODE_PAGE_NONE = 255;
constexpr uint8_t NAME_CODE_PAGE_ISO8859_5 = 2;

// Bits of ProgInfo::attributes.
constexpr uint8_t ATTR_SCRAMBLED = 0x01;
constexpr uint8_t ATTR_LOCK = 0x02;
constexpr uint8_t ATTR_SKIP = 0x04;
constexpr uint8_t ATTR_RADIO = 0x10;
constexpr uint8_t ATTR_KEEP_PIDS = 0x20;
constexpr uint8_t ATTR_KEEP_NAME = 0x40;
constexpr uint8_t ATTR_KEEP_SERVICE_ID = 0x80;

// Bits of a PID word.
constexpr uint16_t PID_MASK = 0x1FFF;
constexpr uint16_t PID_FLAG_AC3 = 0x4000; // audio list: AC3; teletext list: subtitles

// Bits of TpInfo::tpFlags and tpExtra[3].
constexpr uint8_t TP_POLARITY_MASK = 0x03;
constexpr uint8_t TP_DVBS2 = 0x04;
constexpr uint8_t TP_8PSK = 0x08;
constexpr uint16_t TP_EXTRA_PILOT = 0x100;

// Bit of caSystems that stands for an unknown CA system.
constexpr int CA_UNKNOWN_BIT = 30;
// The bits of caSystems that name a CA system (0-13 and the unknown one); bits 16-29 are not CA systems.
constexpr uint32_t CA_SYSTEM_BITS = 0x40003FFFu;

constexpr std::array<std::string_view, 10> kFecNames = {"AUTO", "1/2", "2/3", "3/4", "5/6",
                                                        "7/8",  "8/9", "3/5", "4/5", "9/10"};
constexpr int kDvbsFecCount = 6; // AUTO .. 7/8; DVB-S2 offers entries 1..9

constexpr std::string_view kFileMagic = "KVX";

constexpr std::array<std::string_view, 4> kPolarityLetters = {"V", "H", "R", "L"};
constexpr std::array<std::string_view, 4> kPolarityNames = {"Vert", "Horz", "Circular Right",
                                                            "Circular Left"};

constexpr std::array<std::string_view, 3> kServiceTypes = {"TV", "Radio", "Data"};

constexpr std::array<std::string_view, 15> kCaSystemNames = {
    "Viaccess",    "SECA", "IRDETO",  "Nagravision2", "Nagravision", "Alphacrypt", "Betacrypt", "Conax",
    "Cryptoworks", "NDS",  "PowerVU", "Skycrypt",     "Firecrypt",   "Xcrypt",     "Unknown"};

constexpr std::array<std::string_view, 24> kAudioLanguages = {
    "ENG", "FRA", "SWE", "FIN", "HUN", "CZE", "GER", "POR", "SPA", "ITA", "DAN", "RUS",
    "ARA", "BUL", "CAT", "DUT", "EGY", "GRE", "EST", "NOR", "POL", "RUM", "TUR", "(Unknown)"};
constexpr int kKnownLanguageCount = 23; // the last entry names the unknown language

constexpr std::array<std::string_view, FAVOURITE_GROUP_COUNT> kDefaultFavouriteNames = {
    "News",  "Movies", "Drama",  "Hobby",  "Music",  "Cartoons", "Education", "Info",
    "FAV 9", "FAV 10", "FAV 11", "FAV 12", "FAV 13", "FAV 14",   "FAV 15",    "FAV 16"};

// Antenna choice texts; the editor shows them translated (KVX_TR_NOOP).
constexpr std::array<std::string_view, 4> kDiseqcSwitchLevels = {KVX_TR_NOOP("Tables", "OFF"), "1.0", "1.1",
                                                                 "1.0 / 1.1"};
constexpr std::array<std::string_view, 4> kDiseqcPositionerLevels = {KVX_TR_NOOP("Tables", "OFF"), "1.2",
                                                                     "USALS", KVX_TR_NOOP("Tables", "BOTH")};
constexpr std::array<std::string_view, 4> kLnbPowerNames = {KVX_TR_NOOP("Tables", "OFF"), "13V", "18V",
                                                            KVX_TR_NOOP("Tables", "ON (Auto)")};
constexpr std::array<std::string_view, 3> kLnbKindNames = {KVX_TR_NOOP("Tables", "Single"),
                                                           KVX_TR_NOOP("Tables", "Universal"), "OCS"};

// Standard LNB local-oscillator frequencies (MHz) per LNB kind. Entry 0 is the custom marker for the
// single kind and the fixed low oscillator for the dual kinds.
constexpr std::array<uint16_t, 11> kLnbSingle = {0,     5150,  9750,  10000, 10050, 10600,
                                                 10750, 11200, 11250, 11300, 11475};
constexpr std::array<uint16_t, 3> kLnbUniversal = {9750, 10600, 10750};
constexpr std::array<uint16_t, 3> kLnbOcs = {5150, 5750, 5700};

// Number of standard entries of an LNB kind (0 for kind 3).
int lnbTableCount(int kind);
// Entry i of an LNB kind's table; 0 outside the table.
uint16_t lnbTableEntry(int kind, int i);

// The CA system names whose bits are set, joined with "/".
std::string caSystemsText(uint32_t caSystems);
// The bit of caSystems that CA name k stands for.
int caSystemBit(int k);

} // namespace kvx
