package com.velmor.brivon.bridge;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNotNull;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.jni.DownloadHandler;
import com.velmor.brivon.jni.DownloadItem;
import com.velmor.brivon.sim.SimBrowsers;
import com.velmor.brivon.sim.SimDownloads;
import com.velmor.brivon.sim.SimWeb;
import com.velmor.brivon.testing.BrowserSession;
import com.velmor.brivon.testing.Engine;
import com.velmor.brivon.testing.Events;
import java.util.ArrayList;
import java.util.List;
import java.util.function.Predicate;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.DisplayName;
import org.junit.jupiter.api.Test;

/**
 * Downloads as a build of the bridge handles them: Java's consent starts the engine's download
 * with its Save dialog, every change arrives as a fresh DownloadItem, and Java may cancel. Each
 * build says which answer to onBeforeDownload is the consent, and how text arrives.
 */
abstract class DownloadCases extends BrowserSession {
    /** The bridge library the subclass tests. */
    @Override
    protected abstract String library();

    /** The answer to onBeforeDownload that lets the engine download. */
    abstract boolean consent();

    /** What Java receives for a text the engine hands over. */
    abstract String received(String engineText);

    /** Records every call; answers as the test sets. */
    static class Recording implements DownloadHandler {
        final List<String> calls = new ArrayList<>();
        final List<DownloadItem> updates = new ArrayList<>();
        boolean answer;
        Predicate<DownloadItem> keep = item -> true;

        @Override
        public boolean onBeforeDownload(long browserId, long downloadId, String suggestedName, String url) {
            calls.add("before " + browserId + " " + downloadId + " " + suggestedName + " " + url);
            return answer;
        }

        @Override
        public void onInternalDownload(long browserId, long downloadId, String downloadPath) {
            calls.add("internal " + browserId + " " + downloadId + " [" + downloadPath + "]");
        }

        @Override
        public boolean onDownloadUpdated(DownloadItem item) {
            updates.add(item);
            return keep.test(item);
        }

        DownloadItem last() {
            return updates.get(updates.size() - 1);
        }
    }

    /**
     * A handler of another class whose methods sit elsewhere in its class: an id kept from the
     * first class names none of them.
     */
    static final class OtherRecording implements DownloadHandler {
        final List<DownloadItem> updates = new ArrayList<>();

        public int unrelated(int value) {
            return value + 1;
        }

        @Override
        public boolean onDownloadUpdated(DownloadItem item) {
            updates.add(item);
            return true;
        }

        @Override
        public void onInternalDownload(long browserId, long downloadId, String downloadPath) {
        }

        @Override
        public boolean onBeforeDownload(long browserId, long downloadId, String suggestedName, String url) {
            return true;
        }
    }

    private Recording handler;
    private long id;

    @BeforeEach
    void createBrowser() {
        handler = new Recording();
        handler.answer = consent();
        CefLib.setDownloadHandler(handler);
        id = CefLib.createBrowser();
        assertTrue(id > 0);
    }

    private long start(String name, long size) {
        long download = SimDownloads.start((int) id, "http://files.test/get?" + name, name, size);
        assertTrue(download > 0);
        Engine.pumpUntil(() -> SimDownloads.record(download).stage != SimDownloads.ASKING,
                "download " + download + " answered");
        return download;
    }

    /** Starts a download, lets the user pick a path and waits for its first update. */
    private long startWriting(String name, long size) {
        long download = start(name, size);
        assertEquals(SimDownloads.SAVE_DIALOG, SimDownloads.record(download).stage);
        int before = handler.updates.size();
        assertTrue(SimDownloads.chooseSavePath(download, "/home/user/Downloads/" + name));
        awaitUpdates(before + 1);
        return download;
    }

    private void awaitUpdates(int count) {
        Engine.pumpUntil(() -> handler.updates.size() >= count, count + " updates");
    }

    @Test
    @DisplayName("consent: the Save dialog offers the suggested name, onInternalDownload has an empty path, the chosen path arrives later")
    void consentOpensSaveDialog() {
        String name = "report 😀.pdf";
        long download = start(name, 1000);
        SimDownloads.Record record = SimDownloads.record(download);
        assertEquals(SimDownloads.SAVE_DIALOG, record.stage, record.toString());
        assertTrue(record.continued && record.showDialog, record.toString());
        assertEquals("", record.continuePath);
        assertEquals(name, record.dialogName);
        assertEquals(List.of(
                "before " + id + " " + download + " " + received(name) + " " + received("http://files.test/get?" + name),
                "internal " + id + " " + download + " []"), handler.calls);
        assertTrue(handler.updates.isEmpty(), "nothing written before a path is chosen");

        String path = "/home/user/Downloads/chosen 😀.pdf";
        SimDownloads.chooseSavePath(download, path);
        awaitUpdates(1);
        DownloadItem item = handler.last();
        assertEquals(download, item.getId());
        assertEquals(id, item.getBrowserId());
        assertEquals(received(path), item.getSavePath());
        assertEquals(1000, item.getTotalBytes());
        assertEquals(0, item.getReceivedBytes());
        assertEquals(DownloadItem.STATE_IN_PROGRESS, item.getState());
    }

    @Test
    @DisplayName("refusal: no download and no further callback for it")
    void refusalStartsNothing() {
        handler.answer = !consent();
        long download = start("refused.bin", 10);
        assertEquals(SimDownloads.NOT_STARTED, SimDownloads.record(download).stage);
        Engine.pumpTimes(20);
        assertEquals(1, handler.calls.size(), handler.calls.toString());
        assertTrue(handler.updates.isEmpty());
        assertFalse(SimDownloads.chooseSavePath(download, "/tmp/refused.bin"), "no dialog was opened");
    }

    @Test
    @DisplayName("progress and completion arrive as the engine reports them; an unknown size stays total 0 and -1 percent")
    void progressAndSizes() {
        long known = startWriting("known.bin", 400);
        SimDownloads.progress(known, 100);
        awaitUpdates(2);
        assertEquals(100, handler.last().getReceivedBytes());
        assertEquals(25, handler.last().getPercentComplete());
        SimDownloads.complete(known);
        awaitUpdates(3);
        assertEquals(DownloadItem.STATE_COMPLETE, handler.last().getState());
        assertEquals(400, handler.last().getReceivedBytes());
        assertEquals(100, handler.last().getPercentComplete());

        long unknown = startWriting("streamed.bin", -1);
        SimDownloads.progress(unknown, 300);
        awaitUpdates(5);
        DownloadItem item = handler.last();
        assertEquals(unknown, item.getId());
        assertEquals(0, item.getTotalBytes());
        assertEquals(300, item.getReceivedBytes());
        assertEquals(-1, item.getPercentComplete());
    }

    @Test
    @DisplayName("onDownloadUpdated false cancels: the next update carries state -1 and the download takes no more data")
    void falseCancels() {
        handler.keep = item -> item.getState() != DownloadItem.STATE_IN_PROGRESS || item.getReceivedBytes() < 200;
        long download = startWriting("cancel.bin", 1000);
        SimDownloads.progress(download, 250);
        awaitUpdates(3);
        assertEquals(DownloadItem.STATE_CANCELED, handler.last().getState());
        SimDownloads.Record record = SimDownloads.record(download);
        assertEquals(SimDownloads.CANCELED, record.stage);
        assertEquals(1, record.cancelCalls);
        assertFalse(SimDownloads.progress(download, 300));
    }

    @Test
    @DisplayName("state codes: in progress 0, complete 1, cancelled -1, interrupted -2; an invalid item arrives as constructed")
    void stateCodes() {
        long running = startWriting("a.bin", 10);
        assertEquals(0, handler.last().getState());
        SimDownloads.complete(running);
        awaitUpdates(2);
        assertEquals(1, handler.last().getState());

        long dialogCanceled = start("b.bin", 10);
        SimDownloads.cancelSaveDialog(dialogCanceled);
        awaitUpdates(3);
        assertEquals(-1, handler.last().getState());

        long interrupted = startWriting("c.bin", 10);
        SimDownloads.interrupt(interrupted);
        awaitUpdates(5);
        assertEquals(-2, handler.last().getState());
        assertEquals(interrupted, handler.last().getId(), "a valid item is filled in");

        long removed = startWriting("d.bin", 10);
        SimDownloads.progress(removed, 5);
        awaitUpdates(7);
        SimDownloads.remove(removed);
        awaitUpdates(8);
        DownloadItem untouched = new DownloadItem();
        DownloadItem invalid = handler.last();
        assertEquals(untouched.toString(), invalid.toString());
    }

    @Test
    @DisplayName("a download id above 2147483647 arrives as a positive long")
    void largeId() {
        long large = 3_000_000_000L;
        SimDownloads.setNextId(large);
        long download = startWriting("large.bin", 10);
        assertEquals(large, download);
        assertTrue(handler.calls.get(0).startsWith("before " + id + " " + large + " "), handler.calls.toString());
        assertEquals(large, handler.last().getId());
        SimDownloads.setNextId(4_294_967_295L);
        long last = startWriting("last.bin", 10);
        assertEquals(4_294_967_295L, last);
        assertEquals(4_294_967_295L, handler.last().getId());
    }

    @Test
    @DisplayName("a navigation to a download starts it with the response's name and size; the page stays, with its address, document and frames")
    void navigationToADownload() {
        String home = "http://site.test/home";
        SimWeb.servePage(home, "Home", "http://site.test/frame");
        CefLib.loadUrl(id, home);
        Engine.pumpUntil(() -> events.loadingStopped(id, 1), "the home page");
        long[] frames = SimBrowsers.frameIds((int) id);
        assertEquals(2, frames.length, "the main frame and its subframe");

        // url, type, Content-Disposition, Content-Length; the name and total the download gets
        String[][] cases = {
            {"http://files.test/report?id=7", "application/pdf",
                "attachment; filename*=UTF-8''report%20%F0%9F%98%80.pdf", "2048", "report 😀.pdf", "2048"},
            {"http://files.test/builds/app%20v2.zip", "application/zip", "", "-1", "app v2.zip", "0"},
        };
        for (String[] c : cases) {
            String url = c[0];
            String name = c[4];
            SimWeb.serveResponse(url, c[1], c[2], Long.parseLong(c[3]));
            events.clear();
            handler.calls.clear();
            int updates = handler.updates.size();
            CefLib.loadUrl(id, url);
            Engine.pumpUntil(() -> handler.calls.size() == 2, "the download of " + url + " asked and continued");
            long download = Long.parseLong(handler.calls.get(0).split(" ")[2]);
            assertEquals(List.of(
                    "before " + id + " " + download + " " + received(name) + " " + received(url),
                    "internal " + id + " " + download + " []"), handler.calls, url);
            SimDownloads.Record record = SimDownloads.record(download);
            assertEquals(SimDownloads.SAVE_DIALOG, record.stage, record.toString());
            assertEquals(name, record.dialogName);

            List<String> names = new ArrayList<>();
            for (Events.Call call : events.calls) {
                names.add(call.name + (call.name.equals("onLoadError") ? " " + call.number : ""));
            }
            assertEquals(List.of("onBeforeBrowse", "onLoadingStateChange", "onLoadError -3", "onLoadingStateChange"), names,
                    "ended before it commits: " + events.calls);
            assertEquals(frames[0], events.named("onLoadError").get(0).frame);
            assertEquals(home, CefLib.getMainFrameUrl(id), "the address stays");
            assertArrayEquals(frames, SimBrowsers.frameIds((int) id), "the same document, with the same subframe");
            assertEquals(home, SimBrowsers.frameUrl(frames[0]));

            assertTrue(SimDownloads.chooseSavePath(download, "/home/user/Downloads/" + name));
            awaitUpdates(updates + 1);
            DownloadItem item = handler.last();
            assertEquals(download, item.getId());
            assertEquals(Long.parseLong(c[5]), item.getTotalBytes(), url);
            assertEquals(0, item.getReceivedBytes());
            assertEquals(c[5].equals("0") ? -1 : 0, item.getPercentComplete(), url);
            assertEquals(DownloadItem.STATE_IN_PROGRESS, item.getState());
        }
    }

    @Test
    @DisplayName("a download handler replaced by one of another class gets its updates through its own methods")
    void handlerOfAnotherClass() {
        long first = startWriting("first.bin", 10);
        OtherRecording other = new OtherRecording();
        CefLib.setDownloadHandler(other);
        SimDownloads.progress(first, 5);
        Engine.pumpUntil(() -> !other.updates.isEmpty(), "the other handler's update");
        assertEquals(first, other.updates.get(0).getId());
        assertEquals(5, other.updates.get(0).getReceivedBytes());

        CefLib.setDownloadHandler(handler);
        SimDownloads.progress(first, 7);
        awaitUpdates(2);
        assertEquals(7, handler.last().getReceivedBytes());
        assertEquals(1, other.updates.size());
    }

    @Test
    @DisplayName("without a download handler a download does not start, and a running one goes on unreported")
    void noHandler() {
        long running = startWriting("running.bin", 10);
        CefLib.setDownloadHandler(null);
        long unasked = SimDownloads.start((int) id, "http://files.test/x", "x.bin", 1);
        Engine.pumpUntil(() -> SimDownloads.record(unasked).stage != SimDownloads.ASKING, "the unasked download");
        assertEquals(SimDownloads.NOT_STARTED, SimDownloads.record(unasked).stage);

        SimDownloads.progress(running, 4);
        SimDownloads.complete(running);
        Engine.pumpUntil(() -> SimDownloads.record(running).updates >= 3, "the running download's updates");
        assertEquals(SimDownloads.COMPLETE, SimDownloads.record(running).stage);
        assertEquals(1, handler.updates.size());
        assertNotNull(SimDownloads.record(running));
    }
}
