package com.velmor.brivon.demo;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.jni.CefSettings;
import com.velmor.brivon.jni.CefVersion;
import java.io.IOException;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.Comparator;
import java.util.stream.Stream;

/**
 * Starts the engine through the bridge library, pumps it for a moment and stops it again.
 *
 * <pre>java -cp brivon-demo.jar:brivon-java.jar com.velmor.brivon.demo.Demo &lt;library&gt; [&lt;subprocess&gt;]</pre>
 *
 * The browser subprocess may also be named with {@code -Dbrivon.subprocess=<path>}.
 */
public final class Demo {
    private static final int PUMP_ITERATIONS = 50;
    private static final long PUMP_PAUSE_MILLIS = 20;

    private Demo() {
    }

    public static void main(String[] args) throws IOException, InterruptedException {
        if (args.length < 1 || args.length > 2) {
            System.err.println("usage: Demo <absolute path of the bridge library> [<browser subprocess>]");
            System.exit(2);
        }
        String subprocess = args.length > 1 ? args[1] : System.getProperty("brivon.subprocess", "");

        CefLib.load(args[0]);
        System.out.println("loaded " + args[0]);
        CefVersion version = CefLib.getVersion();
        System.out.println("engine: " + version);

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

            CefSettings settings = new CefSettings();
            settings.browserSubProcessPath = subprocess;
            settings.cachePath = cache.toString();
            System.out.println("init: subprocess \"" + subprocess + "\", cache " + cache);
            CefLib.init(settings);

            for (int i = 0; i < PUMP_ITERATIONS; i++) {
                CefLib.doMessageLoopWork();
                Thread.sleep(PUMP_PAUSE_MILLIS);
            }
            System.out.println("pumped " + PUMP_ITERATIONS + " times");

            CefLib.shutdown();
            System.out.println("shut down; " + handlers.callCount() + " handler callbacks received");
        } finally {
            deleteTree(cache);
        }
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
