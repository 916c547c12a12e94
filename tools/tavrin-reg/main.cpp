// main.cpp -- tavrin-reg: query, add and delete keys and values of the store, like the Windows reg command
#include <stdio.h>

#include <cerrno>
#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/console.h"
#include "tavrin/store.h"

namespace {

const char *usageText =
    "usage: tavrin-reg query KEY [/v NAME | /ve]\n"
    "       tavrin-reg add KEY [/v NAME | /ve] [/t REG_DWORD|REG_SZ|REG_BINARY] [/d DATA] [/f]\n"
    "       tavrin-reg delete KEY [/v NAME | /ve] [/f]\n"
    "KEY is relative to HKEY_CURRENT_USER (an HKCU\\ or HKEY_CURRENT_USER\\ prefix is allowed).\n";

const char *notFoundText = "ERROR: The system was unable to find the specified registry key or value.";

struct Command {
    std::string operation;
    std::string key;       // relative to the user's root, no outer backslashes
    bool hasValue = false; // /v or /ve given
    std::string valueName;
    bool hasType = false;
    uint32_t type = StoreTypeSz;
    bool hasData = false;
    std::string data;
    bool force = false;
};

int fail(const char *reason)
{
    fprintf(stderr, "%s\n", reason);
    return 1;
}

// A failed store call, with what the store said about it when that helps the person at the keyboard.
int failWith(const char *what, int result)
{
    const char *why = result == StoreBusy ? " Another program keeps the store locked; try again later."
                      : result == StoreAccessDenied ? " The store is read-only."
                                                    : "";
    fprintf(stderr, "%s%s\n", what, why);
    return 1;
}

bool equalsIgnoringCase(const std::string &a, const char *b)
{
    return a.size() == strlen(b) && strncasecmp(a.c_str(), b, a.size()) == 0;
}

bool startsIgnoringCase(const std::string &text, const char *prefix)
{
    return strncasecmp(text.c_str(), prefix, strlen(prefix)) == 0;
}

// Takes the optional root prefix off; other roots are refused, there is only the user's. The rest must
// be names of 1 to 255 characters between single backslashes (one trailing backslash allowed).
bool relativeKey(const std::string &given, std::string &key)
{
    key = given;
    std::string first = key.substr(0, key.find('\\'));
    if (equalsIgnoringCase(first, "HKEY_CURRENT_USER") || equalsIgnoringCase(first, "HKCU"))
        key.erase(0, std::min(key.size(), first.size() + 1));
    else if (startsIgnoringCase(first, "HKEY_") || equalsIgnoringCase(first, "HKLM") ||
             equalsIgnoringCase(first, "HKCR") || equalsIgnoringCase(first, "HKU") || equalsIgnoringCase(first, "HKCC"))
        return false;
    if (!key.empty() && key.back() == '\\') key.pop_back();
    if (key.empty()) return true;
    size_t start = 0;
    while (start <= key.size()) {
        size_t end = std::min(key.find('\\', start), key.size());
        if (end == start || end - start > 255) return false;
        start = end + 1;
    }
    return true;
}

bool parseType(const std::string &text, uint32_t &type)
{
    if (equalsIgnoringCase(text, "REG_SZ")) type = StoreTypeSz;
    else if (equalsIgnoringCase(text, "REG_BINARY")) type = StoreTypeBinary;
    else if (equalsIgnoringCase(text, "REG_DWORD")) type = StoreTypeDword;
    else return false;
    return true;
}

const char *typeName(uint32_t type)
{
    const char *name = storeTypeName(type);
    return name ? name : "REG_UNKNOWN";
}

// Decimal (a minus sign allowed for the values that mean "missing") or 0x and hex digits, 32 bits.
bool parseDword(const std::string &text, uint32_t &value)
{
    if (text.empty()) return false;
    errno = 0;
    char *end = nullptr;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        if (text.size() > 10 || text.find_first_not_of("0123456789abcdefABCDEF", 2) != std::string::npos) return false;
        value = static_cast<uint32_t>(strtoul(text.c_str() + 2, &end, 16));
        return true;
    }
    size_t digits = text[0] == '-' ? 1 : 0;
    if (text.size() == digits || text.find_first_not_of("0123456789", digits) != std::string::npos) return false;
    long long number = strtoll(text.c_str(), &end, 10);
    if (errno != 0 || number < -2147483648LL || number > 4294967295LL) return false;
    value = static_cast<uint32_t>(number);
    return true;
}

bool parseBinary(const std::string &text, std::string &bytes)
{
    if (text.size() % 2 != 0 || text.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) return false;
    bytes.clear();
    for (size_t i = 0; i < text.size(); i += 2) bytes.push_back(static_cast<char>(strtoul(text.substr(i, 2).c_str(), nullptr, 16)));
    return true;
}

bool isOption(const std::string &argument, const char *name)
{
    return argument.size() >= 2 && (argument[0] == '/' || argument[0] == '-') && equalsIgnoringCase(argument.substr(1), name);
}

// Reads the command line into a Command; on a mistake, reason holds the one-line message.
bool parseCommand(int argc, char **argv, Command &command, std::string &reason)
{
    if (argc < 2) {
        reason = "ERROR: Invalid syntax: expected query, add or delete.";
        return false;
    }
    command.operation = argv[1];
    bool query = equalsIgnoringCase(command.operation, "query");
    bool add = equalsIgnoringCase(command.operation, "add");
    bool remove = equalsIgnoringCase(command.operation, "delete");
    if (!query && !add && !remove) {
        reason = "ERROR: Invalid syntax: unknown operation \"" + command.operation + "\".";
        return false;
    }
    if (argc < 3 || argv[2][0] == '/') {
        reason = "ERROR: Invalid syntax: a key name is needed.";
        return false;
    }
    if (!relativeKey(argv[2], command.key)) {
        reason = std::string("ERROR: Invalid key name \"") + argv[2] + "\": names of 1 to 255 characters under HKEY_CURRENT_USER.";
        return false;
    }
    for (int i = 3; i < argc; i++) {
        std::string argument = argv[i];
        bool takesArgument = isOption(argument, "v") || isOption(argument, "t") || isOption(argument, "d");
        if (takesArgument && i + 1 >= argc) {
            reason = "ERROR: Invalid syntax: " + argument + " needs an argument.";
            return false;
        }
        if ((isOption(argument, "v") || isOption(argument, "ve")) && command.hasValue) {
            reason = "ERROR: Invalid syntax: more than one value name.";
            return false;
        }
        if (isOption(argument, "v")) {
            command.hasValue = true;
            command.valueName = argv[++i];
        } else if (isOption(argument, "ve")) {
            command.hasValue = true;
            command.valueName.clear();
        } else if (isOption(argument, "t") && add) {
            if (command.hasType || !parseType(argv[++i], command.type)) {
                reason = std::string("ERROR: Invalid syntax: /t takes one of REG_DWORD, REG_SZ, REG_BINARY.");
                return false;
            }
            command.hasType = true;
        } else if (isOption(argument, "d") && add) {
            if (command.hasData) {
                reason = "ERROR: Invalid syntax: more than one /d.";
                return false;
            }
            command.hasData = true;
            command.data = argv[++i];
        } else if (isOption(argument, "f") && !query) {
            command.force = true;
        } else {
            reason = "ERROR: Invalid syntax: unexpected \"" + argument + "\" for " + command.operation + ".";
            return false;
        }
    }
    if (add && !command.hasValue && (command.hasType || command.hasData)) {
        reason = "ERROR: Invalid syntax: /t and /d need /v or /ve.";
        return false;
    }
    return true;
}

// The database's order of names: byte by byte, ASCII letters without regard to case. Listings keep it on
// every platform, so the registry's own order (that of creation) does not show.
bool nameBefore(const std::string &a, const std::string &b)
{
    auto lower = [](char c) {
        unsigned char byte = static_cast<unsigned char>(c);
        return byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte;
    };
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [&](char x, char y) { return lower(x) < lower(y); });
}

std::string fullName(const std::string &key) { return key.empty() ? "HKEY_CURRENT_USER" : "HKEY_CURRENT_USER\\" + key; }

// REG_EXPAND_SZ: text as well, which the registry may hold and a listing shows as it is.
constexpr uint32_t expandableText = 2;

void printValue(const char *name, uint32_t type, const std::vector<unsigned char> &data)
{
    printf("    %s    %s    ", name[0] ? name : "(Default)", typeName(type));
    if (type == StoreTypeDword && data.size() == 4) {
        printf("0x%x", static_cast<uint32_t>(storeDwordFromBytes(data.data())));
    } else if (type == StoreTypeSz || type == expandableText) {
        size_t length = 0;
        while (length < data.size() && data[length] != 0) length++;
        fwrite(data.data(), 1, length, stdout);
    } else {
        for (unsigned char byte : data) printf("%02X", byte);
    }
    printf("\n");
}

// Reads a value into a buffer grown to its size.
int readValue(StoreKey key, const char *name, uint32_t &type, std::vector<unsigned char> &data)
{
    uint32_t size = 0;
    int result = storeQueryValue(key, name, &type, nullptr, &size);
    if (result != StoreOk) return result;
    data.assign(size, 0);
    result = storeQueryValue(key, name, &type, data.data(), &size);
    data.resize(size);
    return result;
}

struct Listed {
    std::string name;
    uint32_t type = 0;
    std::vector<unsigned char> data;
};

// Names of any length that the store holds are listed; a name longer still is named by its place.
constexpr size_t maxListedName = 16u << 20;

// Every value of the key with its name and data, each asked for once (again only when a buffer was too
// small), so that a key of many values is listed in time proportional to their number. False when a
// value could not be read; that is said on standard error, and the rest are still listed.
bool listValues(StoreKey key, std::vector<Listed> &values)
{
    bool complete = true;
    std::vector<char> name(16384);
    std::vector<unsigned char> data(4096);
    for (uint32_t index = 0;;) {
        uint32_t type = 0;
        uint32_t size = static_cast<uint32_t>(data.size());
        int result = storeEnumValue(key, index, name.data(), static_cast<uint32_t>(name.size()), &type, data.data(), &size);
        if (result == StoreMoreData) {
            // Either the data (its size is then known) or the name did not fit.
            if (size > data.size()) {
                data.resize(size);
                continue;
            }
            if (name.size() < maxListedName) {
                name.resize(name.size() * 4);
                continue;
            }
        }
        if (result == StoreNotFound) break;
        if (result != StoreOk) {
            fprintf(stderr, "ERROR: Value %u of the key cannot be shown%s.\n", index,
                    result == StoreMoreData ? ": its name is too long" : "");
            complete = false;
            if (result != StoreMoreData) break;
            index++;
            continue;
        }
        values.push_back(Listed{name.data(), type, std::vector<unsigned char>(data.begin(), data.begin() + size)});
        index++;
    }
    return complete;
}

int runQuery(const Command &command)
{
    StoreKey key = nullptr;
    int result = storeOpenExistingKey(command.key.c_str(), StoreRead, &key);
    if (result == StoreNotFound) return fail(notFoundText);
    if (result != StoreOk) return failWith("ERROR: The store cannot be read.", result);

    std::vector<unsigned char> data;
    uint32_t type = 0;
    if (command.hasValue) {
        result = readValue(key, command.valueName.c_str(), type, data);
        storeCloseKey(key);
        if (result == StoreNotFound) return fail(notFoundText);
        if (result != StoreOk) return failWith("ERROR: The store cannot be read.", result);
        printf("%s\n", fullName(command.key).c_str());
        printValue(command.valueName.c_str(), type, data);
        return 0;
    }

    printf("%s\n", fullName(command.key).c_str());
    std::vector<Listed> values;
    bool complete = listValues(key, values);
    std::sort(values.begin(), values.end(), [](const Listed &a, const Listed &b) { return nameBefore(a.name, b.name); });
    for (const Listed &value : values) printValue(value.name.c_str(), value.type, value.data);

    std::vector<std::string> subkeys;
    std::vector<char> name(256);
    for (uint32_t index = 0;;) {
        result = storeEnumKey(key, index, name.data(), static_cast<uint32_t>(name.size()));
        if (result == StoreMoreData && name.size() < maxListedName) {
            name.resize(name.size() * 4);
            continue;
        }
        if (result == StoreNotFound) break;
        if (result != StoreOk) {
            fprintf(stderr, "ERROR: Subkey %u of the key cannot be shown.\n", index);
            complete = false;
            if (result != StoreMoreData) break;
        } else {
            subkeys.push_back(name.data());
        }
        index++;
    }
    storeCloseKey(key);
    std::sort(subkeys.begin(), subkeys.end(), nameBefore);
    if (!subkeys.empty()) printf("\n");
    for (const std::string &subkey : subkeys) printf("%s\\%s\n", fullName(command.key).c_str(), subkey.c_str());
    return complete ? 0 : 1;
}

// Asks on a terminal; without one, a change that needs /f is refused.
bool confirmed(const Command &command, const std::string &question)
{
    if (command.force) return true;
    if (!standardInputIsTerminal()) return false;
    printf("%s (Yes/No)? ", question.c_str());
    fflush(stdout);
    char answer[16] = "";
    if (!fgets(answer, sizeof answer, stdin)) return false;
    return answer[0] == 'y' || answer[0] == 'Y';
}

int runAdd(const Command &command)
{
    std::string bytes;
    if (command.type == StoreTypeDword) {
        uint32_t value = 0;
        if (!parseDword(command.hasData ? command.data : "0", value))
            return fail(("ERROR: Invalid DWORD data \"" + command.data + "\": give a decimal number or 0x and hex digits.").c_str());
        unsigned char dword[4];
        storeDwordBytes(static_cast<int32_t>(value), dword);
        bytes.assign(dword, dword + 4);
    } else if (command.type == StoreTypeBinary) {
        if (!parseBinary(command.data, bytes))
            return fail(("ERROR: Invalid binary data \"" + command.data + "\": give pairs of hex digits.").c_str());
    } else {
        bytes = command.data;
        bytes.push_back('\0');
    }

    StoreKey key = nullptr;
    int opened = storeOpenKey(command.key.c_str(), StoreRead | StoreWrite, &key);
    if (opened != StoreOk) return failWith("ERROR: The key cannot be opened or created.", opened);
    if (command.hasValue) {
        uint32_t size = 0;
        if (storeQueryValue(key, command.valueName.c_str(), nullptr, nullptr, &size) == StoreOk &&
            !confirmed(command, "Value " + (command.valueName.empty() ? std::string("(Default)") : command.valueName) +
                                    " exists, overwrite")) {
            storeCloseKey(key);
            return fail("ERROR: The value exists; give /f to overwrite it.");
        }
        int result = storeSetValue(key, command.valueName.c_str(), command.type, bytes.data(),
                                   static_cast<uint32_t>(bytes.size()));
        if (result == StoreOk) result = storeFlushKey(key);
        if (result != StoreOk) {
            storeCloseKey(key);
            return failWith("ERROR: The value cannot be written.", result);
        }
    }
    storeCloseKey(key);
    printf("The operation completed successfully.\n");
    return 0;
}

int runDelete(const Command &command)
{
    if (command.hasValue) {
        StoreKey key = nullptr;
        int result = storeOpenExistingKey(command.key.c_str(), StoreRead | StoreWrite, &key);
        if (result == StoreNotFound) return fail(notFoundText);
        if (result != StoreOk) return failWith("ERROR: The key cannot be opened.", result);
        uint32_t size = 0;
        result = storeQueryValue(key, command.valueName.c_str(), nullptr, nullptr, &size);
        if (result == StoreOk && !confirmed(command, "Delete the registry value " + command.valueName)) {
            storeCloseKey(key);
            return fail("ERROR: Nothing deleted; give /f to delete without asking.");
        }
        if (result == StoreOk) result = storeDeleteValue(key, command.valueName.c_str());
        if (result == StoreOk) result = storeFlushKey(key);
        storeCloseKey(key);
        if (result == StoreNotFound) return fail(notFoundText);
        if (result != StoreOk) return failWith("ERROR: The value cannot be deleted.", result);
    } else {
        if (command.key.empty()) return fail("ERROR: Invalid key name: the root cannot be deleted.");
        StoreKey key = nullptr;
        int result = storeOpenExistingKey(command.key.c_str(), StoreRead, &key);
        if (result == StoreNotFound) return fail(notFoundText);
        if (result != StoreOk) return failWith("ERROR: The key cannot be opened.", result);
        storeCloseKey(key);
        if (!confirmed(command, "Permanently delete the registry key " + fullName(command.key)))
            return fail("ERROR: Nothing deleted; give /f to delete without asking.");
        result = storeDeleteKey(command.key.c_str());
        if (result == StoreNotFound) return fail(notFoundText);
        if (result != StoreOk) return failWith("ERROR: The key cannot be deleted.", result);
    }
    printf("The operation completed successfully.\n");
    return 0;
}

int run(int argc, char **argv)
{
    if (argc == 2 && (strcmp(argv[1], "/?") == 0 || strcmp(argv[1], "-?") == 0 || strcmp(argv[1], "--help") == 0)) {
        fputs(usageText, stdout);
        return 0;
    }
    Command command;
    std::string reason;
    if (!parseCommand(argc, argv, command, reason)) return fail(reason.c_str());
    if (equalsIgnoringCase(command.operation, "query")) return runQuery(command);
    if (equalsIgnoringCase(command.operation, "add")) return runAdd(command);
    return runDelete(command);
}

}  // namespace

int main(int argc, char **argv)
{
    int code = run(argc, argv);
    // A listing that never reached its reader (a full disk, a closed output) is no success.
    errno = 0;
    if (fflush(stdout) != 0 || ferror(stdout)) {
        fprintf(stderr, "ERROR: The output could not be written: %s.\n", errno ? strerror(errno) : "write error");
        return 1;
    }
    return code;
}
