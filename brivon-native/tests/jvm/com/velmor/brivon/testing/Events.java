package com.velmor.brivon.testing;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.jni.DisplayHandler;
import com.velmor.brivon.jni.LifeSpanHandler;
import com.velmor.brivon.jni.LoadHandler;
import com.velmor.brivon.jni.RequestHandler;
import java.util.ArrayList;
import java.util.List;
import java.util.function.Predicate;

/**
 * Records every load, display, life-span and request callback, in order, and answers popups and
 * navigations as the test asks. Register with {@link #registerAll()}.
 */
public class Events implements LoadHandler, DisplayHandler, LifeSpanHandler, RequestHandler {
    /** One callback with the arguments it came with; unused ones are 0, null or false. */
    public static final class Call {
        public final String name;
        public final long browser;
        public final long frame;
        public final String text;
        public final String text2;
        public final int number;
        public final boolean flag;

        Call(String name, long browser, long frame, String text, String text2, int number, boolean flag) {
            this.name = name;
            this.browser = browser;
            this.frame = frame;
            this.text = text;
            this.text2 = text2;
            this.number = number;
            this.flag = flag;
        }

        @Override
        public String toString() {
            return name + "(" + browser + ", " + frame + ", " + text + ", " + text2 + ", " + number + ", " + flag + ")";
        }
    }

    public final List<Call> calls = new ArrayList<>();
    /** Answer to onBeforePopup: true blocks the popup. */
    public boolean blockPopups;
    /** Navigations to cancel: onBeforeBrowse answers true for a URL it accepts. */
    public Predicate<String> cancelNavigation = url -> false;
    /** Runs inside onLoadEnd, before it returns to the engine. */
    public LoadEndHook loadEndHook = (browser, frame) -> { };

    /** Called from onLoadEnd with its arguments. */
    public interface LoadEndHook {
        void onLoadEnd(long browserId, long frameId);
    }

    public void registerAll() {
        CefLib.setLoadHandler(this);
        CefLib.setDisplayHandler(this);
        CefLib.setLifeSpanHandler(this);
        CefLib.setRequestHandler(this);
    }

    private void add(String name, long browser, long frame, String text, String text2, int number, boolean flag) {
        calls.add(new Call(name, browser, frame, text, text2, number, flag));
    }

    public List<Call> named(String name) {
        List<Call> out = new ArrayList<>();
        for (Call call : calls) {
            if (call.name.equals(name)) {
                out.add(call);
            }
        }
        return out;
    }

    public List<Call> named(String name, long browser) {
        List<Call> out = new ArrayList<>();
        for (Call call : named(name)) {
            if (call.browser == browser) {
                out.add(call);
            }
        }
        return out;
    }

    public int count(String name, long browser) {
        return named(name, browser).size();
    }

    /** The main frame's loading ended this many times for the browser. */
    public boolean loadingStopped(long browser, int times) {
        int stopped = 0;
        for (Call call : named("onLoadingStateChange", browser)) {
            if (!call.flag) {
                stopped++;
            }
        }
        return stopped >= times;
    }

    public boolean loading(long browser) {
        List<Call> states = named("onLoadingStateChange", browser);
        return !states.isEmpty() && states.get(states.size() - 1).flag;
    }

    /** Forgets what was recorded so far. */
    public void clear() {
        calls.clear();
    }

    @Override
    public void onLoadingStateChange(long browserId, boolean isLoading, boolean canGoBack, boolean canGoForward) {
        add("onLoadingStateChange", browserId, 0, null, null, (canGoBack ? 1 : 0) | (canGoForward ? 2 : 0), isLoading);
    }

    @Override
    public void onLoadStart(long browserId, long frameId) {
        add("onLoadStart", browserId, frameId, null, null, 0, false);
    }

    @Override
    public void onLoadEnd(long browserId, long frameId) {
        add("onLoadEnd", browserId, frameId, null, null, 0, false);
        loadEndHook.onLoadEnd(browserId, frameId);
    }

    @Override
    public void onLoadError(long browserId, long frameId, int errorCode) {
        add("onLoadError", browserId, frameId, null, null, errorCode, false);
    }

    @Override
    public void onAddressChange(long browserId, long frameId, String url) {
        add("onAddressChange", browserId, frameId, url, null, 0, false);
    }

    @Override
    public void onTitleChange(long browserId, String title) {
        add("onTitleChange", browserId, 0, title, null, 0, false);
    }

    @Override
    public void onFullScreenModeChange(long browserId, boolean fullScreen) {
        add("onFullScreenModeChange", browserId, 0, null, null, 0, fullScreen);
    }

    @Override
    public void onConsoleMessage(long browserId, int level, String message, String source, int line) {
        add("onConsoleMessage", browserId, level, message, source, line, false);
    }

    @Override
    public boolean onBeforePopup(long openerBrowserId, int disposition, String targetUrl) {
        add("onBeforePopup", openerBrowserId, 0, targetUrl, null, disposition, blockPopups);
        return blockPopups;
    }

    @Override
    public void onAfterCreated(long browserId) {
        add("onAfterCreated", browserId, 0, null, null, 0, false);
    }

    @Override
    public boolean onBeforeBrowse(long browserId, long frameId, String url) {
        boolean cancel = cancelNavigation.test(url);
        add("onBeforeBrowse", browserId, frameId, url, null, 0, cancel);
        return cancel;
    }
}
