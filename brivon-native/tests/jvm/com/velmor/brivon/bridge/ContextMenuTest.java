package com.velmor.brivon.bridge;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.jni.ContextMenuHandler;
import com.velmor.brivon.probe.CallbackProbe;
import com.velmor.brivon.sim.SimBrowsers;
import com.velmor.brivon.sim.SimMenus;
import com.velmor.brivon.sim.SimWeb;
import com.velmor.brivon.testing.BrowserSession;
import com.velmor.brivon.testing.Engine;
import java.util.ArrayList;
import java.util.List;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.DisplayName;
import org.junit.jupiter.api.Test;

/** Context menus reach Java as the engine's items; the engine shows none and hears no choice. */
class ContextMenuTest extends BrowserSession {
    private static final int BACK = 100;
    private static final int FORWARD = 101;
    private static final int UNDO = 110;
    private static final int REDO = 111;
    private static final int CUT = 112;
    private static final int COPY = 113;
    private static final int PASTE = 114;
    private static final int DELETE = 115;
    private static final int SELECT_ALL = 116;
    private static final int PRINT = 131;
    private static final int VIEW_SOURCE = 132;
    private static final int SEPARATOR = -1;

    /** One runContextMenu call. */
    static final class Menu {
        final long browser;
        final long frame;
        final int x;
        final int y;
        final int[] ids;
        final boolean[] enabled;

        Menu(long browser, long frame, int x, int y, int[] ids, boolean[] enabled) {
            this.browser = browser;
            this.frame = frame;
            this.x = x;
            this.y = y;
            this.ids = ids;
            this.enabled = enabled;
        }
    }

    private final List<Menu> menus = new ArrayList<>();
    /** Runs inside runContextMenu. */
    private Runnable duringMenu = () -> { };
    private long id;

    /** The probe build, which can hand the bridge a model the engine never offers. */
    @Override
    @BeforeAll
    protected void startEngine() {
        Engine.load(true);
        events.registerAll();
        Engine.start();
    }

    @BeforeEach
    void createBrowser() {
        SimWeb.reset();
        menus.clear();
        duringMenu = () -> { };
        CefLib.setContextMenuHandler((ContextMenuHandler) (browser, frame, x, y, ids, enabled) -> {
            menus.add(new Menu(browser, frame, x, y, ids, enabled));
            duringMenu.run();
        });
        id = CefLib.createBrowser();
        assertTrue(id > 0);
        load("http://menus.test/first");
    }

    private void load(String url) {
        CefLib.loadUrl(id, url);
        Engine.pumpUntil(() -> url.equals(CefLib.getMainFrameUrl(id)) && !events.loading(id),
                "loading " + url);
    }

    /** Asks for a menu and pumps until the engine is through with it. */
    private SimMenus.Record request(int target, int x, int y, int editFlags) {
        int request = SimMenus.request((int) id, target, x, y, editFlags);
        assertTrue(request > 0);
        Engine.pumpUntil(() -> SimMenus.record(request).outcome != SimMenus.PENDING,
                "context menu " + request);
        return SimMenus.record(request);
    }

    @Test
    @DisplayName("a plain page area gives the navigation items, back and forward enabled by the history")
    void pageArea() {
        request(SimMenus.PAGE, 40, 25, 0);
        assertEquals(1, menus.size());
        Menu menu = menus.get(0);
        assertEquals(id, menu.browser);
        assertEquals(SimBrowsers.mainFrameId((int) id), menu.frame);
        assertEquals(40, menu.x);
        assertEquals(25, menu.y);
        assertArrayEquals(new int[] {BACK, FORWARD, SEPARATOR, PRINT, VIEW_SOURCE}, menu.ids);
        assertArrayEquals(new boolean[] {false, false, true, true, true}, menu.enabled,
                "no history: back and forward disabled");

        load("http://menus.test/second");
        request(SimMenus.PAGE, 1, 2, 0);
        assertArrayEquals(new boolean[] {true, false, true, true, true}, menus.get(1).enabled,
                "one page back, none forward");
    }

    @Test
    @DisplayName("selected text gives the copy item; an editable field the editing items, each as the field allows")
    void selectionAndEditable() {
        request(SimMenus.SELECTION, 5, 6, 0);
        assertArrayEquals(new int[] {COPY}, menus.get(0).ids);
        assertArrayEquals(new boolean[] {true}, menus.get(0).enabled);

        request(SimMenus.EDITABLE, 7, 8, SimMenus.CAN_PASTE | SimMenus.CAN_SELECT_ALL | SimMenus.CAN_UNDO);
        Menu edit = menus.get(1);
        assertArrayEquals(new int[] {UNDO, REDO, SEPARATOR, CUT, COPY, PASTE, DELETE, SEPARATOR, SELECT_ALL},
                edit.ids);
        assertArrayEquals(new boolean[] {true, false, true, false, false, true, false, true, true},
                edit.enabled);
    }

    @Test
    @DisplayName("a model without items gives Java two empty arrays, and the engine is still told the menu is taken")
    void emptyModel() {
        assertEquals(1, CallbackProbe.runEmptyContextMenu(id, 9, 10));
        assertEquals(1, menus.size());
        Menu menu = menus.get(0);
        assertEquals(id, menu.browser);
        assertEquals(SimBrowsers.mainFrameId((int) id), menu.frame);
        assertEquals(9, menu.x);
        assertEquals(10, menu.y);
        assertArrayEquals(new int[0], menu.ids);
        assertArrayEquals(new boolean[0], menu.enabled);
    }

    @Test
    @DisplayName("the engine shows no menu of its own and receives no command, whatever Java does")
    void engineHearsNoChoice() {
        List<Runnable> behaviours = List.of(
                () -> { },
                () -> CefLib.goBack(id),
                () -> {
                    throw new IllegalStateException("thrown by the menu handler");
                });
        for (Runnable behaviour : behaviours) {
            duringMenu = behaviour;
            int request = SimMenus.request((int) id, SimMenus.PAGE, 3, 4, 0);
            try {
                Engine.pumpUntil(() -> SimMenus.record(request).outcome != SimMenus.PENDING,
                        "context menu " + request);
            } catch (IllegalStateException thrown) {
                // The handler's exception comes back out of the pump, as any handler's does.
                Engine.pumpUntil(() -> SimMenus.record(request).outcome != SimMenus.PENDING,
                        "context menu " + request);
            }
            SimMenus.Record record = SimMenus.record(request);
            assertTrue(record.runCalled);
            assertEquals(SimMenus.CANCELED, record.outcome, record.toString());
            assertEquals(0, record.commandsDelivered, record.toString());
        }
        assertEquals(behaviours.size(), menus.size());
    }

    @Test
    @DisplayName("without a context-menu handler no Java is called and still no menu is shown")
    void noHandler() {
        CefLib.setContextMenuHandler(null);
        SimMenus.Record record = request(SimMenus.PAGE, 3, 4, 0);
        assertEquals(SimMenus.CANCELED, record.outcome, record.toString());
        assertTrue(menus.isEmpty());
    }

    @Test
    @DisplayName("many menus handled inside one pump leave no local references behind")
    void manyMenusInOnePump() {
        final int many = 200;
        List<Integer> requests = new ArrayList<>();
        for (int i = 0; i < many; i++) {
            requests.add(SimMenus.request((int) id, i % 3, i, i, SimMenus.CAN_COPY));
        }
        int last = requests.get(requests.size() - 1);
        Engine.pumpUntil(() -> SimMenus.record(last).outcome != SimMenus.PENDING, "the last menu");
        assertEquals(many, menus.size());
        for (int i = 0; i < many; i++) {
            assertEquals(i, menus.get(i).x);
        }
    }
}
