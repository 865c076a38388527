// Scripts arrive with downloaded tracks: they get the safe parts of Lua and nothing else.
#include "ScriptWorld.h"

#include "objects/Logic.h"
#include "script/Script.h"
#include "script/ScriptHost.h"

#include <gtest/gtest.h>
#include <lua.hpp>

#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace
{
GameObject* Probe()
{
    return Factory::Instance().FindObject(5);
}

std::string Lua(const std::string& code)
{
    return ScriptWorld::Eval(Probe(), code);
}

/// The bytecode of `source`, as luac or string.dump would make it.
std::string Bytecode(const std::string& source)
{
    lua_State* lua = luaL_newstate();
    std::string bytes;
    if (luaL_loadstring(lua, source.c_str()) == 0)
        lua_dump(
            lua,
            [](lua_State*, const void* block, size_t size, void* out)
            {
                static_cast<std::string*>(out)->append(static_cast<const char*>(block), size);
                return 0;
            },
            &bytes);
    lua_close(lua);
    return bytes;
}

/// Puts the bytecode of `source` into the probe's global "bytecode".
void GiveProbeBytecode(const std::string& source)
{
    const std::string bytes = Bytecode(source);
    lua_State* lua = ScriptWorld::StateOf(Probe(), "probe")->Lua();
    lua_pushlstring(lua, bytes.data(), bytes.size());
    lua_setglobal(lua, "bytecode");
}

std::set<std::string> Words(const std::string& text)
{
    std::istringstream words(text.substr(1, text.size() - 2)); // without the quotes
    std::set<std::string> set;
    for (std::string word; words >> word;)
        set.insert(word);
    return set;
}
} // namespace

TEST(ScriptSandbox, ScriptsSeeOnlyTheSafeLibrariesBesideTheEngineFunctions)
{
    ScriptWorld world;
    std::set<std::string> globals = Words(Lua("local names = {} for name in pairs(_G) do names[#names + 1] = "
                                              "name end return table.concat(names, ' ')"));
    for (const auto& [name, function] : Logic::Instance().GetScriptHost().Functions())
        globals.erase(name);
    EXPECT_EQ(
        globals,
        (std::set<std::string>{
            "_G",       "_VERSION",     "assert", "collectgarbage", "coroutine",    "error",    "gcinfo",
            "getfenv",  "getmetatable", "ipairs", "load",           "loadstring",   "math",     "me",
            "next",     "os",           "pairs",  "pcall",          "print",        "rawequal", "rawget",
            "rawset",   "RunScript",    "select", "setfenv",        "setmetatable", "string",   "table",
            "tonumber", "tostring",     "type",   "unpack",         "xpcall"}));
    EXPECT_EQ(Lua("local keys = {} for key in pairs(os) do keys[#keys + 1] = key end table.sort(keys) "
                  "return table.concat(keys, ' '), string.dump, ('').dump"),
              "\"clock date time\", nil, nil");
}

TEST(ScriptSandbox, NoRouteReachesARemovedDoor)
{
    ScriptWorld world;
    // Every table and function reachable from the globals, the string metatable and the
    // environments of every reachable function (getfenv), by any key.
    const std::string found = Lua(R"(
        local doors = {execute = 1, open = 1, popen = 1, lines = 1, input = 1, output = 1, tmpfile = 1,
            loadfile = 1, dofile = 1, require = 1, loadlib = 1, module = 1, seeall = 1, package = 1,
            io = 1, debug = 1, dump = 1, exit = 1, getenv = 1, rename = 1, tmpname = 1,
            setlocale = 1, newproxy = 1, sethook = 1, getregistry = 1}
        -- (os.remove shares its key with table.remove; the test of the exact os table covers it.)
        local seen, open, hits = {}, {_G, getmetatable(''), getfenv(0), getfenv(1)}, {}
        while #open > 0 do
            local value = table.remove(open)
            if not seen[value] then
                seen[value] = true
                if type(value) == 'function' then
                    open[#open + 1] = getfenv(value)
                elseif type(value) == 'table' then
                    open[#open + 1] = getmetatable(value)
                    for key, inner in pairs(value) do
                        if doors[key] then hits[#hits + 1] = tostring(key) end
                        if type(inner) == 'table' or type(inner) == 'function' then open[#open + 1] = inner end
                    end
                end
            end
        end
        return table.concat(hits, ' ')
    )");
    EXPECT_EQ(found, "\"\"");
    // What a script gets when it reaches for a removed door anyway.
    EXPECT_EQ(Lua("return pcall(require, 'os')"), "false, \"attempt to call a nil value\"");
}

TEST(ScriptSandbox, TheSafePartsStillWork)
{
    ScriptWorld world;
    const std::string printed = CaptureStdout([] { Lua("print('lap', 3)"); });
    EXPECT_EQ(printed, "lap\t3\n");
    EXPECT_EQ(Lua("return string.format('%03d', 7), table.concat({1, 2}, '-'), math.floor(2.5), "
                  "type(os.clock()), type(os.time()), os.date('!%Y-%m-%d %H', 0), os.date('!*t', 86400).day, "
                  "os.time({year = 2000, month = 1, day = 1, hour = 12}) > 0"),
              "\"007\", \"1-2\", 2, \"number\", \"number\", \"1970-01-01 00\", 2, true");
    EXPECT_EQ(Lua("local f = loadstring('return 6 * 7') local pieces = {'return ', '1 + 1'} "
                  "local g = load(function() return table.remove(pieces, 1) end, 'pieces') "
                  "return f(), g(), loadstring('x = = 1', 'bad')"),
              "42, 2, nil, \"[string \"bad\"]:1: unexpected symbol near '='\"");
    EXPECT_EQ(Lua("local co = coroutine.wrap(function() coroutine.yield(1) return 2 end) "
                  "return co(), co(), select('#', unpack({1, 2, 3}))"),
              "1, 2, 3");
}

TEST(ScriptSandbox, OsDateRefusesFormatsAndTimesThatSomeCLibrariesCrashOn)
{
    ScriptWorld world;
    EXPECT_EQ(Lua("return pcall(os.date, '%Ec', 0)"),
              "false, \"bad conversion '%E' in the format of os.date\"");
    EXPECT_EQ(Lua("return pcall(os.date, '%Y', 1e300)"),
              "false, \"bad argument #2 to '?' (time out of range)\"");
    EXPECT_EQ(Lua("return pcall(os.date, '%Y', 0/0)"),
              "false, \"bad argument #2 to '?' (time out of range)\"");
    EXPECT_EQ(Lua("return os.date('!100%% at %H:%M%', 3600)"), "\"100% at 01:00%\"");
}

TEST(ScriptSandbox, LoadAndLoadstringRefusePrecompiledChunksWithOneLine)
{
    ScriptWorld world;
    GiveProbeBytecode("hacked = true return 42");
    std::string results;
    const std::string output = CaptureStdout(
        [&]
        {
            results = Lua("local whole = {bytecode} local split = {bytecode:sub(1, 1), bytecode:sub(2)} "
                          "local a, why = loadstring(bytecode) "
                          "local b = load(function() return table.remove(whole, 1) end) "
                          "local c = load(function() return table.remove(split, 1) end) "
                          "return a, why, b, c, hacked");
        });
    EXPECT_EQ(results,
              "nil, \"precompiled chunks are not allowed; scripts must be Lua source\", nil, nil, nil");
    EXPECT_EQ(output, "Script 'probe.lua': a precompiled chunk was refused; scripts must be Lua source\n"
                      "Script 'probe.lua': a precompiled chunk was refused; scripts must be Lua source\n"
                      "Script 'probe.lua': a precompiled chunk was refused; scripts must be Lua source\n");
    // Bytecode after a leading source piece is only text to the parser: a syntax error, never run.
    EXPECT_EQ(Lua("local pieces = {' ', bytecode} "
                  "return load(function() return table.remove(pieces, 1) end) == nil, hacked"),
              "true, nil");
}

TEST(ScriptSandbox, APrecompiledScriptFileIsRefusedWithOneLineAndNeverRuns)
{
    TempFolder folder;
    fs::copy(FixturePath("script"), folder.Path(), fs::copy_options::recursive);
    const std::string bytes =
        Bytecode("print('compiled ran') function RunScript(me) print('compiled frame') end");
    folder.Write("res/scripts/compiled.lua", bytes);
    folder.Write("res/scripts/shebang.lua", "#!/usr/bin/lua\n" + bytes);
    folder.Write("res/scripts/sourcebang.lua", "#!/usr/bin/lua\nerror('line ' .. 2)\n");
    ScriptWorld world(folder.Path());
    const std::string compiled =
        "Script 'compiled.lua' not loaded: it is a precompiled chunk; scripts must be Lua source\n";
    const std::string shebang =
        "Script 'shebang.lua' not loaded: it is a precompiled chunk; scripts must be Lua source\n";
    const std::string startup = world.StartupOutput();
    EXPECT_NE(startup.find(compiled), std::string::npos) << startup;
    EXPECT_NE(startup.find(shebang), std::string::npos) << startup;
    EXPECT_EQ(startup.find("compiled ran"), std::string::npos);
    // A "#!" line is still skipped in a source file, and counted, so errors name the right line.
    EXPECT_NE(startup.find("res/scripts/sourcebang.lua:2: line 2"), std::string::npos) << startup;

    Script& script = *Probe()->Get<Script>(ComponentType::Script);
    const std::string attached = CaptureStdout(
        [&]
        {
            script.AttachScript("compiled.lua");
            script.AttachScript("shebang.lua");
            world.RunFrame();
        });
    EXPECT_EQ(attached, compiled + shebang);
    EXPECT_EQ(script.GetState("compiled"), nullptr);
    EXPECT_EQ(script.GetState("shebang"), nullptr);
}
