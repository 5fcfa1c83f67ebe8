package com.velmor.brivon.bridge;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.sim.SimPage;
import com.velmor.brivon.sim.SimWeb;
import com.velmor.brivon.testing.BrowserSession;
import com.velmor.brivon.testing.Engine;
import com.velmor.brivon.testing.Events;
import java.util.List;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.MethodSource;

/**
 * Engine text in every callback that carries some (titles, addresses, console messages and
 * their sources, popup and navigation addresses) and in getMainFrameUrl, as a build of the
 * bridge hands it to Java. Each build says what Java receives for a text.
 */
abstract class CallbackTextCases extends BrowserSession {
    private long id;

    /** The bridge library the subclass tests. */
    @Override
    protected abstract String library();

    /** What Java receives for a text the engine hands over. */
    abstract String received(String engineText);

    static List<String> texts() {
        return List.of(
            "plain",
            "中文 und Umlaute äö, € and ☃",
            "Hello 😀 World, and more",
            "😀𝄞",
            "with\0nul\0inside",
            "\0leading nul");
    }

    @BeforeEach
    void browserWithPage() {
        SimWeb.reset();
        SimWeb.servePage("http://text.test/", "start");
        id = CefLib.createBrowser();
        CefLib.loadUrl(id, "http://text.test/");
        Engine.pumpUntil(() -> events.loadingStopped(id, 1), "the first page");
        events.clear();
    }

    @ParameterizedTest
    @MethodSource("texts")
    void title(String text) {
        assertTrue(SimPage.setTitle((int) id, text));
        Engine.pumpUntil(() -> events.count("onTitleChange", id) == 1, "the title");
        assertEquals(received(text), events.named("onTitleChange", id).get(0).text);
    }

    @ParameterizedTest
    @MethodSource("texts")
    void consoleMessageAndSource(String text) {
        assertTrue(SimPage.consoleLog((int) id, 1, text, "http://text.test/" + text, 3));
        Engine.pumpUntil(() -> events.count("onConsoleMessage", id) == 1, "the console message");
        Events.Call message = events.named("onConsoleMessage", id).get(0);
        assertEquals(received(text), message.text);
        assertEquals(received("http://text.test/" + text), message.text2);
    }

    @ParameterizedTest
    @MethodSource("texts")
    void popupAddress(String text) {
        events.blockPopups = true;
        assertTrue(SimPage.windowOpen((int) id, "http://popup.test/" + text, false));
        Engine.pumpUntil(() -> events.count("onBeforePopup", id) == 1, "the popup question");
        assertEquals(received("http://popup.test/" + text), events.named("onBeforePopup", id).get(0).text);
    }

    @ParameterizedTest
    @MethodSource("texts")
    void subframeNavigationAddress(String text) {
        String subframe = "http://text.test/sub/" + text;
        SimWeb.servePage("http://text.test/framed", "framed", subframe);
        CefLib.loadUrl(id, "http://text.test/framed");
        Engine.pumpUntil(() -> events.loadingStopped(id, 1), "the framed page");
        List<Events.Call> browsed = events.named("onBeforeBrowse", id);
        assertEquals(2, browsed.size());
        assertEquals(received(subframe), browsed.get(1).text);
    }

    @ParameterizedTest
    @MethodSource("texts")
    void mainFrameAddress(String text) {
        // Java's own text reaches the engine cut at a NUL, so only the rest can come back.
        String url = "http://text.test/main/" + text.split("\0", -1)[0];
        CefLib.loadUrl(id, url);
        Engine.pumpUntil(() -> events.loadingStopped(id, 1), "the page");
        assertEquals(received(url), events.named("onAddressChange", id).get(0).text);
        assertEquals(received(url), events.named("onBeforeBrowse", id).get(0).text);
        assertEquals(received(url), CefLib.getMainFrameUrl(id));
    }
}
