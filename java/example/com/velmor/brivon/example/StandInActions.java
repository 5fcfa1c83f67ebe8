package com.velmor.brivon.example;

import com.velmor.brivon.sim.SimBrowsers;
import com.velmor.brivon.sim.SimDownloads;
import com.velmor.brivon.sim.SimDriver;
import com.velmor.brivon.sim.SimMenus;
import com.velmor.brivon.sim.SimScript;
import com.velmor.brivon.sim.SimView;
import java.io.File;
import java.io.IOException;
import java.io.InputStream;
import java.net.URL;
import java.nio.charset.StandardCharsets;
import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.function.Consumer;
import java.util.regex.Matcher;
import java.util.regex.Pattern;

/**
 * What the stand-in engine cannot do itself, played through its driver. The stand-in loads the
 * example's pages through the bridge's scheme handler like the real engine (the document, then
 * the style sheet and image it declares), but it has no layout and no script interpreter: this
 * class acts the page's script (its javaQuery calls, the select list it opens, the click on its
 * download link), the user's part of the download, the context menu a right click asks for and
 * the cursor over the link, and paints the view when a real engine would. The only class that
 * knows the stand-in; created by name, and only when the {@code cefsim.driver.library} property
 * names the driver, so that the example runs unchanged against the real engine. Runs on the
 * pumping thread.
 */
final class StandInActions implements EngineThread.Hooks {
    static final String PAGE_SHOWS_ANSWERS = "page shows answers";
    private static final Pattern QUESTIONS = Pattern.compile("data-questions=\"([^\"]*)\"");
    private static final Pattern DOWNLOAD = Pattern.compile("<a href=\"([^\"]*)\" download>");
    // A pretend network's download, one step every few pumps so that its progress can be seen.
    private static final int PUMPS_PER_STEP = 5;
    private static final int STEPS = 20;

    private final EventLog log;
    private final Consumer<String> pageText;
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
     * The page's script: each question of its answer list through window.javaQuery, a select
     * list that opens, and a click on its download link.
     */
    @Override
    public void loaded(long browserId, String url) {
        browser = (int) browserId;
        paintView();
        // Stands in for the page's script, which reads its own document: the stand-in keeps no
        // text of what it loaded, so the page is read from the jar, where the engine got it.
        byte[] page = fromJar(url);
        if (page == null) {
            return;
        }
        String body = new String(page, StandardCharsets.UTF_8);
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
            // A click on a link marked download starts the download without navigating away
            // from the page, as SimDownloads.start plays it; the size is the one the network
            // would announce for the file.
            String file = link.group(1);
            byte[] sample = fromJar(file);
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

    /** An example file's bytes from the jar; null for an address that names none. */
    private static byte[] fromJar(String url) {
        URL resource = JarPages.resourceOf(url);
        if (resource == null) {
            return null;
        }
        try (InputStream in = resource.openStream()) {
            return in.readAllBytes();
        } catch (IOException e) {
            return null;
        }
    }
}
