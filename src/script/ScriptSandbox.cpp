#include "script/ScriptSandbox.h"

#include "script/ScriptState.h"

#include <lua.hpp>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace
{
constexpr const char* kRefused = "precompiled chunks are not allowed; scripts must be Lua source";
// The last second of the year 9999: beyond it the C library's calendar functions are
// unreliable on some platforms, and casting a larger number to time_t is undefined.
constexpr double kLatestTime = 253402300799.0;
// The conversions every C library's strftime knows; others crash some of them (the Windows
// runtime aborts on an unknown one).
constexpr const char* kDateConversions = "aAbBcdHIjmMpSUwWxXyYZ%";

struct FileSource
{
    std::FILE* file;
    bool lineFeedFirst; // a skipped "#!" line still counts, so error line numbers stay right
    char buffer[LUAL_BUFFERSIZE];
};

const char* ReadFileSource(lua_State* /*lua*/, void* data, size_t* size)
{
    auto* source = static_cast<FileSource*>(data);
    if (source->lineFeedFirst)
    {
        source->lineFeedFirst = false;
        *size = 1;
        return "\n";
    }
    *size = std::fread(source->buffer, 1, sizeof source->buffer, source->file);
    return *size > 0 ? source->buffer : nullptr;
}

bool NextByteIs(std::FILE* file, char expected)
{
    const int next = std::getc(file);
    if (next != EOF)
        std::ungetc(next, file);
    return next == static_cast<unsigned char>(expected);
}

// As luaL_loadfile: a first line starting with '#' is skipped.
bool SkipShebang(std::FILE* file)
{
    if (!NextByteIs(file, '#'))
        return false;
    for (int c = std::getc(file); c != EOF && c != '\n';)
        c = std::getc(file);
    return true;
}

void PrintRefusal(lua_State* lua)
{
    const ScriptState* state = ScriptState::FromLua(lua);
    std::printf("Script '%s': a precompiled chunk was refused; scripts must be Lua source\n",
                state ? state->FileName().c_str() : "?");
}

/// The results of load and loadstring: the function, or nil and the reason.
int LoadResults(lua_State* lua, int status, bool precompiled)
{
    if (precompiled)
    {
        PrintRefusal(lua);
        lua_pushnil(lua);
        lua_pushstring(lua, kRefused);
        return 2;
    }
    if (status == 0)
        return 1;
    lua_pushnil(lua);
    lua_insert(lua, -2);
    return 2;
}

/// Where load's reader function has got to. lua_load picks the undumper by the very first byte
/// of the stream, so that byte is the one to check.
struct Pieces
{
    bool started = false;
    bool precompiled = false;
};

// The pieces of load's reader function; the last one is kept in slot 3 while Lua reads it.
const char* ReadPieces(lua_State* lua, void* data, size_t* size)
{
    luaL_checkstack(lua, 2, "too many nested functions");
    lua_pushvalue(lua, 1);
    lua_call(lua, 0, 1);
    if (lua_isnil(lua, -1))
    {
        lua_pop(lua, 1);
        *size = 0;
        return nullptr;
    }
    if (!lua_isstring(lua, -1))
        luaL_error(lua, "reader function must return a string");
    lua_replace(lua, 3);
    const char* piece = lua_tolstring(lua, 3, size);
    auto* pieces = static_cast<Pieces*>(data);
    if (pieces->started || *size == 0)
        return piece;
    pieces->started = true;
    pieces->precompiled = piece[0] == LUA_SIGNATURE[0];
    if (pieces->precompiled)
        *size = 0;
    return pieces->precompiled ? nullptr : piece;
}

int Load(lua_State* lua)
{
    luaL_checktype(lua, 1, LUA_TFUNCTION);
    const char* name = luaL_optstring(lua, 2, "=(load)");
    lua_settop(lua, 3);
    Pieces pieces;
    const int status = lua_load(lua, &ReadPieces, &pieces, name);
    return LoadResults(lua, status, pieces.precompiled);
}

int LoadString(lua_State* lua)
{
    size_t length = 0;
    const char* text = luaL_checklstring(lua, 1, &length);
    const char* name = luaL_optstring(lua, 2, text);
    if (length > 0 && text[0] == LUA_SIGNATURE[0])
        return LoadResults(lua, 0, true);
    return LoadResults(lua, luaL_loadbuffer(lua, text, length, name), false);
}

void CheckDateFormat(lua_State* lua, const char* format)
{
    for (const char* c = format; *c; ++c)
    {
        if (*c != '%' || c[1] == '\0')
            continue;
        ++c;
        if (!std::strchr(kDateConversions, *c))
            luaL_error(lua, "bad conversion '%%%c' in the format of os.date", *c);
    }
}

// os.date with its format and time checked first; the library's own os.date is upvalue 1.
int Date(lua_State* lua)
{
    CheckDateFormat(lua, luaL_optstring(lua, 1, "%c"));
    if (!lua_isnoneornil(lua, 2) && !(std::fabs(luaL_checknumber(lua, 2)) <= kLatestTime))
        luaL_argerror(lua, 2, "time out of range");
    lua_pushvalue(lua, lua_upvalueindex(1));
    lua_insert(lua, 1);
    lua_call(lua, lua_gettop(lua) - 1, 1);
    return 1;
}

void OpenLibrary(lua_State* lua, const char* name, lua_CFunction open)
{
    lua_pushcfunction(lua, open);
    lua_pushstring(lua, name);
    lua_call(lua, 1, 0);
}

void SetField(lua_State* lua, int table, const char* name, lua_CFunction function)
{
    if (function)
        lua_pushcfunction(lua, function);
    else
        lua_pushnil(lua);
    lua_setfield(lua, table, name);
}

void OpenBase(lua_State* lua)
{
    OpenLibrary(lua, "", luaopen_base);
    SetField(lua, LUA_GLOBALSINDEX, "dofile", nullptr);
    SetField(lua, LUA_GLOBALSINDEX, "loadfile", nullptr);
    // Userdata with a finaliser would run script code while the state closes, past its budget.
    SetField(lua, LUA_GLOBALSINDEX, "newproxy", nullptr);
    SetField(lua, LUA_GLOBALSINDEX, "load", &Load);
    SetField(lua, LUA_GLOBALSINDEX, "loadstring", &LoadString);
}

void OpenString(lua_State* lua)
{
    OpenLibrary(lua, LUA_STRLIBNAME, luaopen_string);
    // Strings share this table as their metatable's __index, so this closes that way in too.
    lua_getfield(lua, LUA_GLOBALSINDEX, LUA_STRLIBNAME);
    SetField(lua, -2, "dump", nullptr);
    lua_pop(lua, 1);
}

// A fresh "os" table with the three harmless functions; the full one is dropped from the globals
// and from the registry's table of loaded libraries alike.
void OpenOs(lua_State* lua)
{
    OpenLibrary(lua, LUA_OSLIBNAME, luaopen_os);
    lua_getfield(lua, LUA_GLOBALSINDEX, LUA_OSLIBNAME);
    lua_createtable(lua, 0, 3);
    lua_getfield(lua, -2, "clock");
    lua_setfield(lua, -2, "clock");
    lua_getfield(lua, -2, "time");
    lua_setfield(lua, -2, "time");
    lua_getfield(lua, -2, "date");
    lua_pushcclosure(lua, &Date, 1);
    lua_setfield(lua, -2, "date");
    lua_pushvalue(lua, -1);
    lua_setfield(lua, LUA_GLOBALSINDEX, LUA_OSLIBNAME);
    lua_getfield(lua, LUA_REGISTRYINDEX, "_LOADED");
    lua_insert(lua, -2);
    lua_setfield(lua, -2, LUA_OSLIBNAME);
    lua_pop(lua, 2);
}
} // namespace

void ScriptSandbox::Open(lua_State* lua)
{
    // Without "debug" no script can reach the registry or take off the hook that enforces the
    // instruction budget.
    OpenBase(lua);
    OpenLibrary(lua, LUA_TABLIBNAME, luaopen_table);
    OpenString(lua);
    OpenLibrary(lua, LUA_MATHLIBNAME, luaopen_math);
    OpenOs(lua);
}

ChunkLoad ScriptSandbox::LoadFile(lua_State* lua, const std::string& path)
{
    FileSource source{std::fopen(path.c_str(), "rb"), false, {}};
    if (!source.file)
    {
        lua_pushfstring(lua, "cannot open %s: %s", path.c_str(), std::strerror(errno));
        return ChunkLoad::Failed;
    }
    source.lineFeedFirst = SkipShebang(source.file);
    // The stream lua_load sees starts with this byte (or with the line feed that stands for the
    // skipped line), and that first byte is what makes it undump.
    if (NextByteIs(source.file, LUA_SIGNATURE[0]))
    {
        std::fclose(source.file);
        return ChunkLoad::Precompiled;
    }
    const std::string chunkName = "@" + path;
    const int status = lua_load(lua, &ReadFileSource, &source, chunkName.c_str());
    const bool unreadable = std::ferror(source.file) != 0;
    std::fclose(source.file);
    if (status == 0 && unreadable)
    {
        lua_pop(lua, 1);
        lua_pushfstring(lua, "cannot read %s", path.c_str());
        return ChunkLoad::Failed;
    }
    return status == 0 ? ChunkLoad::Loaded : ChunkLoad::Failed;
}
