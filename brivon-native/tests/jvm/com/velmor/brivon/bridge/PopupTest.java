package com.velmor.brivon.bridge;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNotEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.sim.SimBrowsers;
import com.velmor.brivon.sim.SimPage;
import com.velmor.brivon.sim.SimWeb;
import com.velmor.brivon.testing.BrowserSession;
import com.velmor.brivon.testing.Engine;
import com.velmor.brivon.testing.Events;
import java.util.List;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.DisplayName;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.CsvSource;

/** Pages that open windows: Java decides, and an allowed popup is a browser like any other. */
class PopupTest extends BrowserSession {
    private static final int WOD_NEW_FOREGROUND_TAB = 3;
    private static final int WOD_NEW_POPUP = 5;
    private long opener;

    @BeforeEach
    void openerWithPage() {
        SimWeb.reset();
        opener = CefLib.createBrowser();
        CefLib.loadUrl(opener, "http://opener.test/");
        Engine.pumpUntil(() -> events.loadingStopped(opener, 1), "the opener's page");
        events.clear();
        events.blockPopups = false;
    }

    @ParameterizedTest(name = "with features {0}: disposition {1}")
    @DisplayName("window.open blocked by Java: onBeforePopup has opener, disposition and address; no browser follows")
    @CsvSource({"false, " + WOD_NEW_FOREGROUND_TAB, "true, " + WOD_NEW_POPUP})
    void blocked(boolean withFeatures, int disposition) {
        events.blockPopups = true;
        int browsersBefore = SimBrowsers.ids().length;
        assertTrue(SimPage.windowOpen((int) opener, "http://popup.test/blocked", withFeatures));
        Engine.pumpUntil(() -> events.count("onBeforePopup", opener) == 1, "the popup question");
        Engine.pumpTimes(20);
        Events.Call question = events.named("onBeforePopup", opener).get(0);
        assertEquals(disposition, question.number);
        assertEquals("http://popup.test/blocked", question.text);
        assertEquals(browsersBefore, SimBrowsers.ids().length);
        assertTrue(events.named("onAfterCreated").isEmpty());
    }

    @ParameterizedTest(name = "with features {0}")
    @DisplayName("window.open allowed: a new id that every method accepts, unmanaged, a popup of its opener")
    @CsvSource({"false", "true"})
    void allowed(boolean withFeatures) {
        events.blockPopups = false;
        SimWeb.servePage("http://popup.test/page", "Popup page");
        assertTrue(SimPage.windowOpen((int) opener, "http://popup.test/page", withFeatures));
        Engine.pumpUntil(() -> !events.named("onAfterCreated").isEmpty(), "the popup");
        long popup = events.named("onAfterCreated").get(0).browser;
        assertNotEquals(opener, popup);
        assertEquals(opener, SimBrowsers.openerOf((int) popup));
        assertTrue(CefLib.isNoManaged(popup));
        assertTrue(CefLib.isPopup(popup));
        assertFalse(CefLib.isNoManaged(opener));
        assertEquals(0, CefLib.getOpenerWindowHandle(popup), "an off-screen opener has no window");

        Engine.pumpUntil(() -> events.loadingStopped(popup, 1), "the popup's page");
        assertEquals("http://popup.test/page", CefLib.getMainFrameUrl(popup));
        assertEquals(SimBrowsers.mainFrameId((int) popup), CefLib.getMainFrame(popup));
        assertEquals(List.of("Popup page"), List.of(events.named("onTitleChange", popup).get(0).text));
        CefLib.setZoomLevel(popup, 1.25);
        assertEquals(1.25, CefLib.getZoomLevel(popup));
        CefLib.executeJavaScript(popup, "popupScript();");
        assertEquals("popupScript();", SimBrowsers.scripts((int) popup).get(0).code);
        CefLib.loadUrl(popup, "http://popup.test/next");
        Engine.pumpUntil(() -> events.loadingStopped(popup, 2), "the popup's next page");
        assertEquals("http://popup.test/next", CefLib.getMainFrameUrl(popup));

        Engine.close(popup);
        assertFalse(CefLib.isNoManaged(popup), "a closed popup names no browser");
        assertEquals(-1, CefLib.getMainFrame(popup));
    }

    @ParameterizedTest(name = "with features {0}")
    @DisplayName("a child browser's popup has the child's own window as its opener window")
    @CsvSource({"false", "true"})
    void openerWindowOfChildBrowser(boolean withFeatures) {
        long child = CefLib.createBrowserAsChild(SimBrowsers.makeNativeWindow(), 0, 0, 200, 100);
        CefLib.loadUrl(child, "http://opener.test/child");
        Engine.pumpUntil(() -> events.loadingStopped(child, 1), "the child's page");
        assertTrue(SimPage.windowOpen((int) child, "http://popup.test/from-child", withFeatures));
        Engine.pumpUntil(() -> events.count("onAfterCreated", child) == 1 && events.named("onAfterCreated").size() == 2,
            "the child's popup");
        long popup = events.named("onAfterCreated").get(1).browser;
        assertEquals(SimBrowsers.childWindow((int) child), CefLib.getOpenerWindowHandle(popup));
    }
}
