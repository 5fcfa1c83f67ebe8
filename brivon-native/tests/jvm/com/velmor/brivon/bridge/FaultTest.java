package com.velmor.brivon.bridge;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNotEquals;
import static org.junit.jupiter.api.Assertions.assertNotNull;
import static org.junit.jupiter.api.Assertions.assertTrue;
import static org.junit.jupiter.api.Assertions.fail;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.jni.ContextMenuHandler;
import com.velmor.brivon.jni.DisplayHandler;
import com.velmor.brivon.jni.DownloadHandler;
import com.velmor.brivon.jni.LifeSpanHandler;
import com.velmor.brivon.jni.LoadHandler;
import com.velmor.brivon.jni.MessageRouterHandler;
import com.velmor.brivon.jni.RenderHandler;
import com.velmor.brivon.jni.RequestHandler;
import com.velmor.brivon.jni.ResourceHandler;
import com.velmor.brivon.probe.TableProbe;
import com.velmor.brivon.sim.SimBrowsers;
import com.velmor.brivon.sim.SimDownloads;
import com.velmor.brivon.sim.SimMenus;
import com.velmor.brivon.sim.SimPage;
import com.velmor.brivon.sim.SimResources;
import com.velmor.brivon.sim.SimScript;
import com.velmor.brivon.sim.SimView;
import com.velmor.brivon.sim.SimWeb;
import com.velmor.brivon.testing.Engine;
import java.lang.reflect.Proxy;
import java.util.ArrayList;
import java.util.Collections;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.Set;
import java.util.TreeSet;
import java.util.concurrent.TimeUnit;
import java.util.function.BooleanSupplier;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.DisplayName;
import org.junit.jupiter.api.MethodOrderer;
import org.junit.jupiter.api.Order;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.TestInstance;
import org.junit.jupiter.api.TestMethodOrder;

/**
 * Faults of the Java side the bridge must survive: handlers that throw from every callback, and
 * a client that shuts down with browsers still open.
 */
@TestInstance(TestInstance.Lifecycle.PER_CLASS)
@TestMethodOrder(MethodOrderer.OrderAnnotation.class)
class FaultTest {
    private static final String PAGE = "http://fault.test/";
    private static final String DOWN = "http://down.test/";
    private static final int MAX_WAIT_SECONDS = 10;

    private static final Class<?>[] HANDLERS = {
        LoadHandler.class, RenderHandler.class, MessageRouterHandler.class, DisplayHandler.class,
        DownloadHandler.class, LifeSpanHandler.class, RequestHandler.class, ResourceHandler.class,
        ContextMenuHandler.class,
    };

    /** Names of the handler methods Java was called with, in order. */
    private final List<String> called = Collections.synchronizedList(new ArrayList<>());
    /** Messages of the exceptions doMessageLoopWork gave back to its caller. */
    private final List<String> surfaced = new ArrayList<>();

    @BeforeAll
    void start() {
        Engine.load(true);
        SimWeb.servePage(PAGE, "Fault", PAGE + "left", PAGE + "right");
        SimWeb.unreachableHost("down.test");
    }

    /** One object for every handler interface; each call is recorded, then throws or answers. */
    private Object handlers(boolean throwing) {
        return Proxy.newProxyInstance(getClass().getClassLoader(), HANDLERS, (proxy, method, args) -> {
            if (method.getDeclaringClass() == Object.class) {
                return method.getName().equals("hashCode") ? System.identityHashCode(proxy)
                        : method.getName().equals("equals") ? proxy == args[0] : "handlers";
            }
            called.add(method.getName());
            if (throwing) {
                throw new IllegalStateException("thrown from " + method.getName());
            }
            return method.getReturnType() == boolean.class ? Boolean.FALSE : null;
        });
    }

    private static void register(Object all) {
        CefLib.setLoadHandler((LoadHandler) all);
        CefLib.setRenderHandler((RenderHandler) all);
        CefLib.setMessageRouterHandler((MessageRouterHandler) all);
        CefLib.setDisplayHandler((DisplayHandler) all);
        CefLib.setDownloadHandler((DownloadHandler) all);
        CefLib.setLifeSpanHandler((LifeSpanHandler) all);
        CefLib.setRequestHandler((RequestHandler) all);
        CefLib.setResourceHandler((ResourceHandler) all);
        CefLib.setContextMenuHandler((ContextMenuHandler) all);
    }

    /** Pumps until the condition holds, taking each exception a callback left for the pump's caller. */
    private void pumpUntil(BooleanSupplier condition, String what) {
        long deadline = System.nanoTime() + TimeUnit.SECONDS.toNanos(MAX_WAIT_SECONDS);
        while (!condition.getAsBoolean()) {
            if (System.nanoTime() - deadline > 0) {
                fail("not seen in " + MAX_WAIT_SECONDS + " s: " + what + "; called " + called);
            }
            try {
                CefLib.doMessageLoopWork();
            } catch (IllegalStateException e) {
                surfaced.add(e.getMessage());
            }
        }
    }

    /** Runs a native call whose callbacks may throw; their first exception comes back from it. */
    private void call(Runnable nativeCall) {
        try {
            nativeCall.run();
        } catch (IllegalStateException e) {
            surfaced.add(e.getMessage());
        }
    }

    private boolean wasCalled(String name) {
        return called.contains(name);
    }

    private int count(String name) {
        synchronized (called) {
            return Collections.frequency(called, name);
        }
    }

    @Test
    @Order(1)
    @DisplayName("handlers throwing from every callback: each exception reaches the pump's caller, the engine goes on, and closing leaves nothing behind")
    void everyCallbackThrows() {
        register(handlers(true));
        CefLib.init(Engine.settings());
        pumpUntil(com.velmor.brivon.sim.SimDriver::contextInitialized, "the engine's context");

        // The engine reports the new browser inside createBrowser, so its throwing handler takes
        // the id's place; the browser itself lives on.
        call(CefLib::createBrowser);
        assertEquals(1, SimBrowsers.ids().length);
        long id = SimBrowsers.ids()[0];
        call(() -> CefLib.resize(id, 40, 30));
        call(() -> CefLib.loadUrl(id, PAGE));
        pumpUntil(() -> count("onLoadEnd") >= 3, "the page and its two subframes");

        assertTrue(SimPage.setTitle((int) id, "Changed"));
        assertTrue(SimPage.consoleLog((int) id, 1, "logged", PAGE, 3));
        assertTrue(SimPage.fullscreen((int) id, true));
        assertTrue(SimView.paint((int) id, false, new int[] {0, 0, 4, 4}, 3, 0, 0));
        assertTrue(SimView.changeCursor((int) id, 2));
        assertTrue(SimView.openPopupWidget((int) id, 1, 1, 5, 5));

        Map<String, Object> query = new LinkedHashMap<>();
        query.put("request", "ask");
        query.put("onSuccess", SimScript.recorder("ok"));
        query.put("onFailure", SimScript.recorder("fail"));
        long mainFrame = SimBrowsers.mainFrameId((int) id);
        SimScript.CallResult asked = SimScript.callWindowFunction((int) id, mainFrame, "javaQuery", query);
        assertFalse(asked.threw, asked.toString());

        int menu = SimMenus.request((int) id, SimMenus.PAGE, 5, 6, 0);
        assertNotEquals(0, menu);
        long download = SimDownloads.start((int) id, PAGE + "file.bin", "file.bin", 10);
        assertNotEquals(0, download);
        int request = SimResources.load((int) id, "brivon://fault/x", SimResources.IMAGE);

        pumpUntil(() -> wasCalled("onQuery") && wasCalled("runContextMenu") && wasCalled("onBeforeDownload")
                && wasCalled("onPaint") && wasCalled("onCursorChange") && wasCalled("onPopupShow")
                && wasCalled("onConsoleMessage") && wasCalled("onFullScreenModeChange"), "every callback");
        SimResources.Received got = SimResources.await(request, MAX_WAIT_SECONDS * 1000);
        assertNotNull(got, "the resource request ended");
        assertEquals(500, got.status, "a throwing createRequest is a failed request: " + got);
        assertEquals(0, SimMenus.record(menu).commandsDelivered, "no command reaches the engine");
        assertNotEquals(SimMenus.ENGINE_MENU, SimMenus.record(menu).outcome, "the engine shows no menu of its own");

        // A failing navigation: onLoadError; a main-frame navigation cancels the pending query.
        call(() -> CefLib.loadUrl(id, DOWN));
        pumpUntil(() -> wasCalled("onLoadError") && wasCalled("onQueryCanceled"), "the error and the cancel");

        for (int open : SimBrowsers.ids()) {
            call(() -> CefLib.closeBrowser(open, true));
            pumpUntil(() -> SimBrowsers.closed(open), "browser " + open + " closed");
        }

        Set<String> expected = new TreeSet<>(List.of("onAfterCreated", "onBeforeBrowse", "onLoadStart", "onLoadEnd",
                "onLoadError", "onLoadingStateChange", "onAddressChange", "onTitleChange", "onConsoleMessage",
                "onFullScreenModeChange", "onPaint", "onCursorChange", "onPopupShow", "onQuery", "onQueryCanceled",
                "runContextMenu", "onBeforeDownload", "createRequest"));
        Set<String> missing = new TreeSet<>(expected);
        missing.removeAll(new TreeSet<>(called));
        assertTrue(missing.isEmpty(), "callbacks never reached: " + missing);
        // A pump gives its caller the first exception its callbacks threw; createRequest runs on
        // a loader thread, where it is printed instead.
        assertFalse(surfaced.isEmpty());
        for (String message : surfaced) {
            String name = message.substring("thrown from ".length());
            assertTrue(called.contains(name) && !name.equals("createRequest"), message);
        }
        assertEquals(0, TableProbe.tables(id));
        assertEquals(0, TableProbe.pendingQueries());
        assertEquals(0, SimBrowsers.ids().length);
    }

    @Test
    @Order(2)
    @DisplayName("shutdown with browsers still open closes them first: the engine meets none, pending queries are cancelled, the tables are empty")
    void shutdownWithBrowsersOpen() {
        called.clear();
        register(handlers(false));
        long[] ids = new long[3];
        for (int i = 0; i < ids.length; i++) {
            ids[i] = CefLib.createBrowser();
            assertTrue(ids[i] > 0);
        }
        CefLib.addCss(ids[1], "p { color: red }");
        CefLib.loadUrl(ids[0], PAGE);
        pumpUntil(() -> count("onLoadEnd") >= 3, "the page");
        Map<String, Object> query = new LinkedHashMap<>();
        query.put("request", "left pending");
        query.put("onSuccess", SimScript.recorder("ok"));
        query.put("onFailure", SimScript.recorder("fail"));
        SimScript.callWindowFunction((int) ids[0], SimBrowsers.mainFrameId((int) ids[0]), "javaQuery", query);
        pumpUntil(() -> wasCalled("onQuery"), "the query");
        assertEquals(1, TableProbe.pendingQueries());

        CefLib.shutdown();

        assertTrue(com.velmor.brivon.sim.SimDriver.isShutDown());
        assertEquals(0, SimBrowsers.openAtShutdown(), "every browser closed before the engine shut down");
        for (long id : ids) {
            assertTrue(SimBrowsers.closed((int) id), "browser " + id);
            assertEquals(0, TableProbe.tables(id), "browser " + id);
        }
        assertEquals(1, count("onQueryCanceled"), called.toString());
        assertEquals(0, TableProbe.pendingQueries());
    }
}
