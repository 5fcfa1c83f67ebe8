package com.velmor.brivon.bridge;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.probe.TableProbe;
import com.velmor.brivon.sim.SimBrowsers;
import com.velmor.brivon.sim.SimWeb;
import com.velmor.brivon.testing.Engine;
import com.velmor.brivon.testing.Events;
import java.lang.reflect.InvocationTargetException;
import java.lang.reflect.Method;
import java.lang.reflect.Modifier;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.Comparator;
import java.util.List;
import java.util.Objects;
import java.util.Set;
import java.util.stream.Collectors;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.DisplayName;
import org.junit.jupiter.api.MethodOrderer;
import org.junit.jupiter.api.Order;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.TestInstance;
import org.junit.jupiter.api.TestMethodOrder;

/**
 * A client that gets the order of things wrong: every native method that takes a browser or
 * query id, called before init, with ids that never existed or were closed, and after shutdown,
 * with every further argument zero, false or null. The set of methods is read from the class
 * itself, so a method added later is swept too. None may crash, throw, call Java back or reach
 * the engine; each answers its not-found value.
 */
@TestInstance(TestInstance.Lifecycle.PER_CLASS)
@TestMethodOrder(MethodOrderer.OrderAnnotation.class)
class MisuseTest {
    // Lifecycle and registration methods have their own rules; addCss stores for any id by design;
    // createBrowserAsChild's first argument is a window, not an id.
    private static final Set<String> NOT_ID_METHODS = Set.of("getVersion", "init", "doMessageLoopWork",
        "shutdown", "createBrowser", "createBrowserAsChild", "addCss");
    private static final long[] NEVER_EXISTED = {0, -1, 1, 2, 999_999, Integer.MAX_VALUE + 1L, Long.MAX_VALUE,
        Long.MIN_VALUE};

    private final Events events = new Events();
    private long closed;
    private long live;

    @BeforeAll
    void load() {
        Engine.load(true);
        events.registerAll();
    }

    @Test
    @Order(1)
    @DisplayName("before init: every id method answers its not-found value and the engine sees nothing")
    void beforeInit() {
        sweep(NEVER_EXISTED, "before init");
        assertEquals(0, SimBrowsers.ids().length);
        assertTrue(events.calls.isEmpty(), events.calls.toString());
    }

    @Test
    @Order(2)
    @DisplayName("after init: ids that never existed and the id of a closed browser, while another browser lives")
    void unknownAndClosedIds() {
        Engine.start();
        SimWeb.servePage("http://misuse.test/", "Misuse");
        closed = CefLib.createBrowser();
        Engine.close(closed);
        live = CefLib.createBrowser();
        CefLib.loadUrl(live, "http://misuse.test/");
        Engine.pumpUntil(() -> events.loadingStopped(live, 1), "the live browser's page");
        events.clear();

        long[] ids = Arrays.copyOf(NEVER_EXISTED, NEVER_EXISTED.length + 3);
        ids[NEVER_EXISTED.length] = closed;
        // Ids that share the live one's low 32 bits: the engine's ids are 32-bit, the bridge's 64.
        ids[NEVER_EXISTED.length + 1] = live + (1L << 32);
        ids[NEVER_EXISTED.length + 2] = live - (1L << 32);
        List<Long> unknown = new ArrayList<>();
        for (long id : ids) {
            if (id != live) {
                unknown.add(id);
            }
        }
        sweep(unknown.stream().mapToLong(Long::longValue).toArray(), "after init");
        Engine.pumpTimes(20);
        assertTrue(events.calls.isEmpty(), "no callback for any of it: " + events.calls);
        assertEquals(0, SimBrowsers.closeRequests((int) live));
        assertEquals(0.0, SimBrowsers.zoomLevel((int) live));
        assertEquals("http://misuse.test/", CefLib.getMainFrameUrl(live), "the live browser is untouched");
    }

    @Test
    @Order(3)
    @DisplayName("a live browser with every string argument null: no crash, and the browser still works")
    void nullStringsOnALiveBrowser() throws ReflectiveOperationException {
        for (Method method : idMethods()) {
            if (Arrays.asList(method.getParameterTypes()).contains(String.class)
                    && method.getParameterTypes()[0] == long.class) {
                invoke(method, live);
            }
        }
        CefLib.javaQuerySuccess(1, null);
        CefLib.javaQueryFailure(1, 0, null);
        Engine.pumpTimes(20);
        SimWeb.servePage("http://after-nulls.test/", "After");
        CefLib.loadUrl(live, "http://after-nulls.test/");
        Engine.pumpUntil(() -> "http://after-nulls.test/".equals(CefLib.getMainFrameUrl(live)), "a load after the nulls");
    }

    @Test
    @Order(4)
    @DisplayName("after shutdown: the formerly live id and every other id answer not-found values")
    void afterShutdown() {
        CefLib.closeBrowser(live, true);
        Engine.pumpUntil(() -> SimBrowsers.closed((int) live), "the live browser's close");
        CefLib.shutdown();
        events.clear();
        long[] ids = Arrays.copyOf(NEVER_EXISTED, NEVER_EXISTED.length + 2);
        ids[NEVER_EXISTED.length] = live;
        ids[NEVER_EXISTED.length + 1] = closed;
        sweep(ids, "after shutdown");
        assertEquals(0, TableProbe.tables(live));
        assertEquals(0, TableProbe.pendingQueries());
        assertTrue(events.calls.isEmpty(), events.calls.toString());
        assertFalse(CefLib.createBrowser() > 0, "no browser after shutdown");
    }

    /** Calls every id method with each id and checks its not-found result. */
    private static void sweep(long[] ids, String when) {
        List<Method> methods = idMethods();
        List<String> names = methods.stream().map(Method::getName).collect(Collectors.toList());
        assertTrue(names.containsAll(List.of("loadUrl", "sendKeyEvent", "dragTargetDrop", "javaQueryFailure")),
            "the sweep found the id methods: " + names);
        for (long id : ids) {
            for (Method method : methods) {
                Object result;
                try {
                    result = invoke(method, id);
                } catch (ReflectiveOperationException e) {
                    throw new AssertionError(method.getName() + "(" + id + ") " + when, e);
                }
                assertTrue(Objects.equals(notFound(method), result),
                    method.getName() + "(" + id + ") " + when + " gave " + result);
                assertEquals(0, TableProbe.tables(id) & ~TableProbe.LOAD_END_SCRIPTS,
                    method.getName() + "(" + id + ") " + when + " made a table entry");
            }
        }
    }

    /** The native methods whose first argument is a browser or query id, in a fixed order. */
    private static List<Method> idMethods() {
        List<Method> out = new ArrayList<>();
        for (Method method : CefLib.class.getDeclaredMethods()) {
            int modifiers = method.getModifiers();
            if (Modifier.isNative(modifiers) && Modifier.isStatic(modifiers) && !method.getName().startsWith("set")
                    && !NOT_ID_METHODS.contains(method.getName()) && method.getParameterCount() > 0
                    && method.getParameterTypes()[0] == long.class) {
                out.add(method);
            }
        }
        out.sort(Comparator.comparing(Method::getName));
        return out;
    }

    private static Object invoke(Method method, long id) throws ReflectiveOperationException {
        Class<?>[] types = method.getParameterTypes();
        Object[] args = new Object[types.length];
        args[0] = id;
        for (int i = 1; i < types.length; i++) {
            args[i] = zeroOf(types[i]);
        }
        try {
            return method.invoke(null, args);
        } catch (InvocationTargetException e) {
            throw new AssertionError(method.getName() + " threw", e.getCause());
        }
    }

    private static Object zeroOf(Class<?> type) {
        if (type == int.class) {
            return 0;
        }
        if (type == long.class) {
            return 0L;
        }
        if (type == double.class) {
            return 0.0;
        }
        if (type == boolean.class) {
            return false;
        }
        return null;
    }

    /** What the bridge answers for an id that names nothing; getMainFrame is the one -1. */
    private static Object notFound(Method method) {
        if (method.getName().equals("getMainFrame")) {
            return -1L;
        }
        Class<?> type = method.getReturnType();
        return type == void.class ? null : zeroOf(type);
    }
}
