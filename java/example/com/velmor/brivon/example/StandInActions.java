package com.velmor.brivon.example;

import com.velmor.brivon.sim.SimBrowsers;
import com.velmor.brivon.sim.SimDownloads;
import com.velmor.brivon.sim.SimDriver;
import com.velmor.brivon.sim.SimMenus;
import com.velmor.brivon.sim.SimResources;
import com.velmor.brivon.sim.SimScript;
import com.velmor.brivon.sim.SimView;
import com.velmor.brivon.sim.SimWeb;
import java.io.File;
import java.nio.charset.StandardCharsets;
import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.function.Consumer;
import java.util.regex.Matcher;
import java.util.regex.Pattern;

/**
 * What the stand-in engine cannot do itself, played through its driver: it has no HTML engine,
 * no script interpreter and no network side for navigations, so this class fetches the
 * example's page through the bridge's scheme handler as the engine's loader would, acts the
 * page's script (its javaQuery calls and the download link), and paints the view when a real
 * engine would. The only class that knows the stand-in; created by name, and only when the
 * {@code cefsim.driver.library} property names the driver, so that the example runs unchanged
 * against the real engine. Runs on the pumping thread.
 */
final class StandInActions implements EngineThread.Hooks {
    static final String PAGE_SHOWS_ANSWERS = "page shows answers";
    private static final int WAIT_MILLIS = 5000;
    private static final Pattern TITLE = Pattern.compile("<title>([^<]*)</title>");
    private static final Pattern QUESTIONS = Pattern.compile("data-questions=\"([^\"]*)\"");
    private static final Pattern DOWNLOAD = Pattern.compile("<a href=\"([^\"]*)\" download>");
    // A pretend network's download, one step every few pumps so that its progress can be seen.
    private static final int PUMPS_PER_STEP = 5;
    private static final int STEPS = 20;

    private final EventLog log;
    private final Consumer<String> pageText;
    private final Map<String, String> bodies = new LinkedHashMap<>();
    private int width = 400;
    private int height = 400;
    private int browser;
    private List<String> asked = new ArrayList<>();
    private int callsBefore;
    private boolean answersShown = true;
    private long download;
    private long downloadSize;
    private int downloadStep;
    private int pumps;
    private int cursor = -1;
    private boolean popupOpen;

    StandInActions(EventLog log, Consumer<String> pageText) {
        this.log = log;
        this.pageText = pageText;
        SimDriver.load(System.getProperty("cefsim.driver.library"));
        log.require(PAGE_SHOWS_ANSWERS, ExampleHandlers.DOWNLOAD_COMPLETE);
    }

    /**
     * The stand-in's navigations do not ask the scheme handlers (every address it does not know
     * is an empty document), so the page is fetched through them here, and its title handed to
     * the stand-in's pretend network for the navigation that follows.
     */
    @Override
    public void beforeLoad(long browserId, String url) {
        byte[] fetched = fetch((int) browserId, url);
        if (fetched == null) {
            return;
        }
        String body = new String(fetched, StandardCharsets.UTF_8);
        bodies.put(url, body);
        Matcher title = TITLE.matcher(body);
        SimWeb.servePage(url, title.find() ? title.group(1) : "");
    }

    /**
     * The page's script: each question of its answer list through window.javaQuery, a select
     * list that opens, and a click on its download link.
     */
    @Override
    public void loaded(long browserId, String url) {
        browser = (int) browserId;
        paintView();
        String body = bodies.get(url);
        if (body == null) {
            return;
        }
        // A select list the page opens: the popup widget, painted apart from the view.
        if (!popupOpen) {
            popupOpen = SimView.openPopupWidget(browser, 40, 64, 240, 160);
        }
        Matcher questions = QUESTIONS.matcher(body);
        asked = new ArrayList<>();
        callsBefore = SimScript.functionCallCount(browser);
        if (questions.find()) {
            long frame = SimBrowsers.mainFrameId(browser);
            for (String question : questions.group(1).trim().split(" +")) {
                Map<String, Object> query = new LinkedHashMap<>();
                query.put("request", question);
                query.put("onSuccess", SimScript.recorder("ok:" + question));
                query.put("onFailure", SimScript.recorder("failed:" + question));
                SimScript.CallResult result = SimScript.callWindowFunction(browser, frame, "javaQuery", query);
                if (result != null && !result.threw) {
                    asked.add(question);
                }
            }
            answersShown = asked.isEmpty();
        }
        Matcher link = DOWNLOAD.matcher(body);
        if (link.find() && download == 0) {
            String file = link.group(1);
            byte[] sample = fetch(browser, file);
            downloadSize = sample == null ? -1 : sample.length;
            downloadStep = 0;
            download = SimDownloads.start(browser, file, file.substring(file.lastIndexOf('/') + 1), downloadSize);
        }
    }

    @Override
    public void resized(long browserId, int width, int height) {
        this.width = width;
        this.height = height;
        browser = (int) browserId;
        paintView();
    }

    /** A right click asks for the page's context menu; a left one closes the open select list. */
    @Override
    public void clicked(long browserId, int x, int y, int button) {
        if (button == 2) {
            SimMenus.request((int) browserId, SimMenus.PAGE, x, y, 0);
        } else if (button == 0 && popupOpen) {
            popupOpen = false;
            SimView.closePopupWidget((int) browserId);
        }
    }

    /** The stand-in's page has a link along its top edge, to show cursor changes. */
    @Override
    public void mouseMoved(long browserId, int x, int y) {
        int wanted = y < 48 ? 2 : 0; // the engine's hand and pointer cursors
        if (wanted != cursor) {
            cursor = wanted;
            SimView.changeCursor((int) browserId, wanted);
        }
    }

    @Override
    public void tick() {
        pumps++;
        if (!answersShown && SimScript.functionCallCount(browser) >= callsBefore + asked.size()) {
            showAnswers();
        }
        if (download != 0 && pumps % PUMPS_PER_STEP == 0) {
            stepDownload();
        }
    }

    private void paintView() {
        if (browser != 0) {
            SimView.paint(browser, false, new int[] {0, 0, width, height}, 1, 0, 0);
        }
    }

    private void showAnswers() {
        answersShown = true;
        StringBuilder text = new StringBuilder();
        List<SimScript.FunctionCall> calls = SimScript.functionCalls(browser);
        for (SimScript.FunctionCall call : calls.subList(Math.min(callsBefore, calls.size()), calls.size())) {
            String[] parts = call.name.split(":", 2);
            if (parts.length == 2 && asked.contains(parts[1])) {
                text.append(text.length() == 0 ? "" : "; ").append(parts[1]).append(": ")
                        .append(parts[0].equals("ok") ? call.arguments.get(0) : "failed " + call.arguments);
            }
        }
        pageText.accept(text.toString());
        log.reached(PAGE_SHOWS_ANSWERS, text.toString());
    }

    /** The user's part (the save dialog) and the network's, one step at a time. */
    private void stepDownload() {
        SimDownloads.Record record = SimDownloads.record(download);
        if (record == null) {
            download = 0;
            return;
        }
        switch (record.stage) {
            case SimDownloads.SAVE_DIALOG:
                File target = new File(System.getProperty("java.io.tmpdir"), record.suggestedName);
                SimDownloads.chooseSavePath(download, target.getPath());
                break;
            case SimDownloads.IN_PROGRESS:
                if (++downloadStep < STEPS && downloadSize > 0) {
                    SimDownloads.progress(download, downloadSize * downloadStep / STEPS);
                } else {
                    SimDownloads.complete(download);
                }
                break;
            case SimDownloads.ASKING:
                break;
            default:
                download = 0;
                break;
        }
    }

    /** A request as the engine's loader makes it, answered by the bridge's scheme handler; null when it failed. */
    private byte[] fetch(int browserId, String url) {
        if (JarPages.pageName(url) == null) {
            return null;
        }
        SimResources.Received got = SimResources.await(SimResources.load(browserId, url, SimResources.MAIN_FRAME), WAIT_MILLIS);
        if (got == null || got.status != 200) {
            log.info("stand-in: " + url + " not served: " + got);
            return null;
        }
        log.info("stand-in: fetched " + url + " through the scheme handler: status " + got.status + ", "
                + got.mimeType + ", " + got.body.length + " bytes in " + got.reads + " reads");
        return got.body;
    }
}
