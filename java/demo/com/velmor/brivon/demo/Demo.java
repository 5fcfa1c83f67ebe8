package com.velmor.brivon.demo;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.jni.CefSettings;
import com.velmor.brivon.jni.CefVersion;
import java.io.IOException;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.Comparator;
import java.util.function.BooleanSupplier;
import java.util.stream.Stream;

/**
 * Walks through what the bridge does: starts the engine, creates an off-screen browser, loads a
 * page with a title and two subframes, runs a script, closes the browser and shuts down. Every
 * callback Java receives is printed with its arguments, indented under the step that caused it.
 *
 * <pre>java -cp brivon-demo.jar:brivon-java.jar com.velmor.brivon.demo.Demo &lt;library&gt; [&lt;subprocess&gt;]</pre>
 *
 * The browser subprocess may also be named with {@code -Dbrivon.subprocess=<path>}. Against the
 * stand-in engine, {@code -Dcefsim.driver.library=<path>} (with the driver's jar on the class
 * path) serves the demo's pages from the stand-in's pretend network.
 */
public final class Demo {
    private static final String PAGE = "http://demo.brivon.test/";
    private static final String LEFT = "http://demo.brivon.test/left";
    private static final String RIGHT = "http://demo.brivon.test/right";
    private static final String STYLE_SCRIPT =
        "var s = document.createElement('style'); s.textContent = 'body { margin: 0 }'; document.head.appendChild(s);";
    private static final String SCRIPT = "console.log('hello from the demo');";
    // Each wait ends after this many pumps at most; the pauses give a real engine time to work.
    private static final int MAX_PUMPS = 500;
    private static final long PUMP_PAUSE_MILLIS = 10;

    private Demo() {
    }

    public static void main(String[] args) throws Exception {
        if (args.length < 1 || args.length > 2) {
            System.err.println("usage: Demo <absolute path of the bridge library> [<browser subprocess>]");
            System.exit(2);
        }
        String subprocess = args.length > 1 ? args[1] : System.getProperty("brivon.subprocess", "");

        CefLib.load(args[0]);
        System.out.println("loaded " + args[0]);
        CefVersion version = CefLib.getVersion();
        System.out.println("engine: " + version);
        StandInWeb web = StandInWeb.load(System.getProperty("cefsim.driver.library"));

        Path cache = Files.createTempDirectory("brivon-demo-cache");
        try {
            PrintingHandlers handlers = new PrintingHandlers(System.out);
            CefLib.setLoadHandler(handlers);
            CefLib.setRenderHandler(handlers);
            CefLib.setMessageRouterHandler(handlers);
            CefLib.setDisplayHandler(handlers);
            CefLib.setDownloadHandler(handlers);
            CefLib.setLifeSpanHandler(handlers);
            CefLib.setRequestHandler(handlers);
            CefLib.setResourceHandler(handlers);
            CefLib.setContextMenuHandler(handlers);
            System.out.println("registered one printing object as all nine handlers");

            CefSettings settings = new CefSettings();
            settings.browserSubProcessPath = subprocess;
            settings.cachePath = cache.toString();
            System.out.println("init: subprocess \"" + subprocess + "\", cache " + cache);
            CefLib.init(settings);

            // The engine accepts browsers once its context is ready, inside some later pump.
            System.out.println("createBrowser (pumping until the engine is ready for it):");
            long[] created = {-1};
            pumpUntil(() -> (created[0] = CefLib.createBrowser()) > 0, "the engine to create a browser");
            long id = created[0];
            System.out.println("  -> browser id " + id + ", created by Java: " + !CefLib.isNoManaged(id));

            if (web != null) {
                web.servePage(PAGE, "Brivon demo page", LEFT, RIGHT);
                System.out.println("stand-in web: " + PAGE + " has the title \"Brivon demo page\" and the subframes "
                    + LEFT + " and " + RIGHT);
            }
            System.out.println("addCss: a script to run in every frame when its load ends");
            CefLib.addCss(id, STYLE_SCRIPT);
            System.out.println("loadUrl " + PAGE + ":");
            CefLib.loadUrl(id, PAGE);
            int loads = handlers.loadsFinished();
            pumpUntil(() -> handlers.loadsFinished() > loads, "the page to load");
            System.out.println("  main frame " + CefLib.getMainFrame(id) + " shows " + CefLib.getMainFrameUrl(id)
                + ", has a document: " + CefLib.hasDocument(id));

            System.out.println("executeJavaScript in the main frame: " + SCRIPT);
            CefLib.executeJavaScript(id, SCRIPT);
            if (web != null) {
                System.out.println("scripts the engine ran in the browser's frames:");
                for (Object script : web.scripts(id)) {
                    System.out.println("  " + script);
                }
            }

            System.out.println("closeBrowser " + id + " (no callback tells; the id stops naming a browser):");
            CefLib.closeBrowser(id, false);
            pumpUntil(() -> CefLib.getMainFrameUrl(id) == null, "the browser to close");
            System.out.println("  browser " + id + " is closed");

            CefLib.shutdown();
            System.out.println("shut down; " + handlers.callCount() + " handler callbacks received");
        } finally {
            deleteTree(cache);
        }
    }

    private static void pumpUntil(BooleanSupplier condition, String what) throws InterruptedException {
        for (int i = 0; i < MAX_PUMPS; i++) {
            if (condition.getAsBoolean()) {
                return;
            }
            CefLib.doMessageLoopWork();
            Thread.sleep(PUMP_PAUSE_MILLIS);
        }
        throw new IllegalStateException("gave up waiting for " + what);
    }

    private static void deleteTree(Path root) throws IOException {
        try (Stream<Path> paths = Files.walk(root)) {
            for (Path path : (Iterable<Path>) paths.sorted(Comparator.reverseOrder())::iterator) {
                Files.delete(path);
            }
        }
        System.out.println("removed " + root);
    }
}
