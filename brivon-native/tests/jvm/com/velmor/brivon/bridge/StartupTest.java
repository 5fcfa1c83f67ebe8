package com.velmor.brivon.bridge;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.jni.CefSettings;
import com.velmor.brivon.jni.CefVersion;
import com.velmor.brivon.sim.SimDriver;
import com.velmor.brivon.testing.Engine;
import java.lang.ref.WeakReference;
import java.util.ArrayList;
import java.util.HashSet;
import java.util.LinkedHashMap;
import java.util.List;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.DisplayName;
import org.junit.jupiter.api.MethodOrderer;
import org.junit.jupiter.api.Order;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.TestInstance;
import org.junit.jupiter.api.TestMethodOrder;

/** What init hands the engine, and what the application object does while the engine starts. */
@TestInstance(TestInstance.Lifecycle.PER_CLASS)
@TestMethodOrder(MethodOrderer.OrderAnnotation.class)
class StartupTest {
    private static final String CACHE = "/tmp/brivon cache 😀";
    // Dropped by the second-init case, which watches whether the bridge still holds it.
    private LinkedHashMap<String, String> commandLines = new LinkedHashMap<>();

    @BeforeAll
    void load() {
        Engine.load(false);
    }

    @Test
    @Order(1)
    @DisplayName("getVersion before init returns the engine's eight version entries")
    void versionBeforeInit() {
        CefVersion version = CefLib.getVersion();
        int[] expected = {76, 1, 13, 2228, 76, 0, 3809, 132};
        int[] actual = {
            version.cefVersionMajor, version.cefVersionMinor, version.cefVersionPatch, version.cefCommitNumber,
            version.chromeVersionMajor, version.chromeVersionMinor, version.chromeVersionBuild,
            version.chromeVersionPatch,
        };
        for (int i = 0; i < 8; i++) {
            assertEquals(expected[i], actual[i], "version entry " + i);
        }
        assertEquals(0, SimDriver.initializeCalls(), "getVersion does not start the engine");
    }

    @Test
    @Order(2)
    @DisplayName("init hands the engine the fixed settings and the client's values unchanged")
    void settingsReachTheEngine() {
        commandLines.put("disable-gpu", null);
        commandLines.put("lang", "de");
        commandLines.put("proxy-server", "a=b;c");
        commandLines.put("cut\0here", "value\0dropped");
        commandLines.put("Force-Device-Scale-Factor", "1.5");
        commandLines.put("--Enable-Logging", null);
        commandLines.put("-V", "1");
        commandLines.put("LANG", "fr");
        commandLines.put("empty-value", "");
        CefSettings settings = new CefSettings();
        settings.browserSubProcessPath = "/opt/brivon/brivon-sub";
        settings.logFilePath = "/var/log/brivon 中文.log";
        settings.logSeverity = 99;
        settings.cachePath = CACHE;
        settings.commandLines = commandLines;
        CefLib.init(settings);

        SimDriver.InitSettings engine = SimDriver.initSettings();
        assertEquals(1, SimDriver.initializeCalls());
        assertEquals(1, engine.noSandbox);
        assertEquals(1, engine.windowlessRenderingEnabled);
        assertEquals(0, engine.multiThreadedMessageLoop);
        assertEquals(0, engine.externalMessagePump);
        assertEquals(0, engine.commandLineArgsDisabled);
        assertEquals(99, engine.logSeverity, "the severity is passed on even outside the engine's range");
        assertEquals("/var/log/brivon 中文.log", engine.logFile);
        assertEquals("/opt/brivon/brivon-sub", engine.browserSubprocessPath);
        assertEquals(CACHE, engine.cachePath, "a supplementary character in a path survives");
        assertEquals("zh-CN", engine.acceptLanguageList);
        assertEquals("", engine.locale);
        assertTrue(SimDriver.highDpiSupportEnabled());
        assertEquals(-1, SimDriver.executeProcessResult());
    }

    @Test
    @Order(3)
    @DisplayName("commandLines entries become switches in map order, null values without value, cut at NUL;"
        + " the engine lower-cases each name and keeps no prefix in it")
    void switchesFollowTheMap() {
        List<String> expected = List.of("disable-gpu", "lang=de", "proxy-server=a=b;c", "cut=value",
            "force-device-scale-factor=1.5", "enable-logging", "v=1", "lang=fr", "empty-value=");
        assertEquals(expected, describe(SimDriver.switches()));
    }

    @Test
    @Order(4)
    @DisplayName("the three custom schemes are registered as standard, CORS-enabled schemes")
    void customSchemes() {
        List<String> schemes = new ArrayList<>();
        for (SimDriver.CustomScheme scheme : SimDriver.customSchemes()) {
            schemes.add(scheme.name + ":" + Integer.toHexString(scheme.options));
        }
        assertEquals(List.of("jar:11", "platform:11", "brivon:11"), schemes);
    }

    @Test
    @Order(5)
    @DisplayName("the eleven resource factories are registered after the engine reports its context ready")
    void factoriesAfterContextInitialized() {
        assertTrue(SimDriver.schemeHandlerFactories().isEmpty(), "nothing registered before the first pump");
        Engine.pumpUntil(SimDriver::contextInitialized, "the context-initialised callback");
        List<String> registered = new ArrayList<>();
        HashSet<Long> objects = new HashSet<>();
        for (SimDriver.SchemeHandlerFactory factory : SimDriver.schemeHandlerFactories()) {
            registered.add(factory.scheme + "|" + factory.domain);
            objects.add(factory.identity);
        }
        assertEquals(List.of("jar|file", "platform|", "brivon|", "javaclass|", "file|", "http|jar", "https|jar",
            "http|platform", "https|platform", "http|javaclass", "https|javaclass"), registered);
        assertEquals(11, objects.size(), "each registration has a factory object of its own");
    }

    @Test
    @Order(6)
    @DisplayName("a second init leaves the running engine, its application and its map as they were")
    void secondInitLeavesTheEngineAlone() {
        List<String> switchesBefore = describe(SimDriver.switches());
        List<Long> factoriesBefore = identities(SimDriver.schemeHandlerFactories());
        int heldBefore = SimDriver.heldClientObjects();
        WeakReference<LinkedHashMap<String, String>> firstMap = new WeakReference<>(commandLines);
        commandLines = null;

        CefSettings second = Engine.settings();
        second.cachePath = "/tmp/another cache";
        LinkedHashMap<String, String> secondMap = new LinkedHashMap<>();
        secondMap.put("second-switch", "x");
        second.commandLines = secondMap;
        WeakReference<LinkedHashMap<String, String>> secondMapRef = new WeakReference<>(secondMap);
        CefLib.init(second);
        second = null;
        secondMap = null;
        CefLib.doMessageLoopWork();

        assertEquals(1, SimDriver.initializeCalls(), "no second CefInitialize");
        assertEquals(1, SimDriver.executeProcessCalls(), "no second CefExecuteProcess");
        assertTrue(SimDriver.lastInitializeSucceeded());
        assertEquals(CACHE, SimDriver.initSettings().cachePath);
        assertEquals(switchesBefore, describe(SimDriver.switches()));
        assertEquals(factoriesBefore, identities(SimDriver.schemeHandlerFactories()));
        assertEquals(heldBefore, SimDriver.heldClientObjects());
        assertTrue(Engine.collected(secondMapRef), "the second map is not kept");
        assertFalse(Engine.collected(firstMap), "the first map is kept until shutdown");
        assertFalse(SimDriver.isShutDown());

        CefLib.shutdown();
        assertTrue(SimDriver.isShutDown());
        assertTrue(Engine.collected(firstMap), "shutdown lets the first map go");
    }

    private static List<Long> identities(List<SimDriver.SchemeHandlerFactory> factories) {
        List<Long> out = new ArrayList<>();
        for (SimDriver.SchemeHandlerFactory factory : factories) {
            out.add(factory.identity);
        }
        return out;
    }

    private static List<String> describe(List<SimDriver.Switch> switches) {
        List<String> out = new ArrayList<>();
        for (SimDriver.Switch s : switches) {
            out.add(s.hasValue ? s.name + "=" + s.value : s.name);
        }
        return out;
    }
}
