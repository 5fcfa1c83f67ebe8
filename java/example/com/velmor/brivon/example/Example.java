package com.velmor.brivon.example;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.jni.CefSettings;
import com.velmor.brivon.jni.DownloadItem;
import java.awt.BorderLayout;
import java.awt.GraphicsEnvironment;
import java.awt.Point;
import java.awt.Rectangle;
import java.awt.Robot;
import java.awt.event.WindowAdapter;
import java.awt.event.WindowEvent;
import java.awt.image.BufferedImage;
import java.io.File;
import java.util.Set;
import java.util.concurrent.CountDownLatch;
import java.util.concurrent.TimeUnit;
import java.util.function.Consumer;
import javax.imageio.ImageIO;
import javax.swing.BorderFactory;
import javax.swing.JFrame;
import javax.swing.JLabel;
import javax.swing.JPanel;
import javax.swing.JProgressBar;
import javax.swing.JTextField;
import javax.swing.SwingUtilities;

/**
 * The bridge driven by a Swing client: one off-screen browser showing the example's own pages.
 *
 * <pre>java -cp brivon-example.jar:brivon-java.jar com.velmor.brivon.example.Example &lt;library&gt; [--headless] [--screenshot FILE]</pre>
 *
 * {@code -Dbrivon.subprocess=<path>} names the browser subprocess. Against the stand-in engine,
 * {@code -Dcefsim.driver.library=<path>} (with the driver's jar on the class path) lets
 * {@code StandInActions} play what the stand-in cannot do itself. In a window, {@code --screenshot}
 * captures the window once the page has been served, asked its questions and painted, then closes.
 */
public final class Example {
    private static final long ROAD_SECONDS = 30;
    private static final long CLOSE_SECONDS = 30;
    private static final String STAND_IN_NOTE = "stand-in engine (cef-sim): no HTML rendering, frames are its test pattern";

    private Example() {
    }

    public static void main(String[] args) throws Exception {
        String library = null;
        boolean headless = false;
        File screenshot = null;
        for (int i = 0; i < args.length; i++) {
            if (args[i].equals("--headless")) {
                headless = true;
            } else if (args[i].equals("--screenshot") && i + 1 < args.length) {
                screenshot = new File(args[++i]);
            } else if (library == null && !args[i].startsWith("--")) {
                library = args[i];
            } else {
                library = null;
                break;
            }
        }
        if (library == null || (headless && screenshot == null)) {
            System.err.println("usage: Example <absolute path of the bridge library> [--headless] [--screenshot FILE]"
                    + " (headless needs --screenshot)");
            System.exit(2);
        }
        if (headless) {
            System.setProperty("java.awt.headless", "true");
        } else if (GraphicsEnvironment.isHeadless()) {
            System.err.println("no display for a window: use --headless --screenshot FILE");
            System.exit(2);
        }
        CefLib.load(library);
        EventLog log = new EventLog(System.out, headless);
        log.info("engine: " + CefLib.getVersion());
        int status = headless ? runHeadless(log, screenshot) : runWindow(log, screenshot);
        System.exit(status);
    }

    private static CefSettings settings() {
        CefSettings settings = new CefSettings();
        settings.browserSubProcessPath = System.getProperty("brivon.subprocess", "");
        return settings;
    }

    /** StandInActions when the stand-in's driver is named; none against the real engine. */
    private static EngineThread.Hooks standIn(EventLog log, Consumer<String> pageText) throws ReflectiveOperationException {
        String driver = System.getProperty("cefsim.driver.library", "");
        if (driver.isEmpty()) {
            return null;
        }
        // By name, so that the real engine's runs need neither the driver nor its jar.
        return (EngineThread.Hooks) Class.forName("com.velmor.brivon.example.StandInActions")
                .getDeclaredConstructor(EventLog.class, Consumer.class).newInstance(log, pageText);
    }

    private static int runHeadless(EventLog log, File screenshot) throws Exception {
        EngineThread engine = new EngineThread(log);
        FrameBuffer frames = new FrameBuffer();
        EngineThread.Hooks standIn = standIn(log, text -> log.info("the page shows: " + text));
        if (standIn != null) {
            engine.setHooks(standIn);
            log.info("running on the " + STAND_IN_NOTE);
        }
        new ExampleHandlers(log, engine, frames, new ExampleHandlers.Screen() { }).registerAll();
        engine.start(settings());
        engine.createBrowser(id -> {
            CefLib.resize(id, 800, 600);
            engine.hooks().resized(id, 800, 600);
            engine.loadUrl(id, JarPages.START_PAGE);
        });
        Set<String> missing = log.awaitRoad(ROAD_SECONDS, TimeUnit.SECONDS);
        ImageIO.write(frames.snapshot(), "png", screenshot);
        log.info("screenshot: " + screenshot);
        return finish(log, engine, missing);
    }

    private static int finish(EventLog log, EngineThread engine, Set<String> missing) throws InterruptedException {
        CountDownLatch closed = new CountDownLatch(1);
        engine.close(closed::countDown);
        if (!closed.await(CLOSE_SECONDS, TimeUnit.SECONDS)) {
            log.info("the engine did not shut down in " + CLOSE_SECONDS + " s");
            return 1;
        }
        log.info("closed every browser and shut the engine down");
        if (!missing.isEmpty()) {
            log.info("road incomplete, missing: " + missing);
            return 1;
        }
        log.info("road complete");
        return 0;
    }

    private static int runWindow(EventLog log, File screenshot) throws Exception {
        EngineThread engine = new EngineThread(log);
        FrameBuffer frames = new FrameBuffer();
        Window window = new Window(engine, frames);
        EngineThread.Hooks standIn = standIn(log, window::pageShows);
        if (standIn != null) {
            engine.setHooks(standIn);
        }
        SwingUtilities.invokeAndWait(() -> window.build(standIn != null));
        new ExampleHandlers(log, engine, frames, window).registerAll();
        engine.start(settings());
        engine.createBrowser(id -> SwingUtilities.invokeLater(() -> {
            window.panel.attach(id);
            engine.loadUrl(id, JarPages.START_PAGE);
        }));
        if (screenshot == null) {
            return window.awaitClosed();
        }
        Set<String> missing = log.awaitRoad(ROAD_SECONDS, TimeUnit.SECONDS);
        capture(window.frame, screenshot);
        log.info("screenshot: " + screenshot);
        SwingUtilities.invokeLater(window.frame::dispose);
        return finish(log, engine, missing);
    }

    /** What is on the screen where the window is, once Swing has drawn what it was given. */
    private static void capture(JFrame frame, File file) throws Exception {
        Robot robot = new Robot();
        robot.waitForIdle();
        Rectangle[] bounds = new Rectangle[1];
        SwingUtilities.invokeAndWait(() -> {
            Point at = frame.getContentPane().getLocationOnScreen();
            bounds[0] = new Rectangle(at, frame.getContentPane().getSize());
        });
        robot.waitForIdle();
        BufferedImage image = robot.createScreenCapture(bounds[0]);
        ImageIO.write(image, "png", file);
    }

    /** The example's window; its Screen methods come from the pumping thread and go to Swing's. */
    private static final class Window implements ExampleHandlers.Screen {
        private final EngineThread engine;
        private final FrameBuffer frames;
        private final CountDownLatch closed = new CountDownLatch(1);
        private JFrame frame;
        private BrowserPanel panel;
        private JTextField address;
        private JLabel status;
        private JLabel page;
        private JProgressBar progress;
        private String suffix = "";

        Window(EngineThread engine, FrameBuffer frames) {
            this.engine = engine;
            this.frames = frames;
        }

        void build(boolean onStandIn) {
            suffix = onStandIn ? " - on the stand-in engine" : "";
            frame = new JFrame("Brivon example" + suffix);
            panel = new BrowserPanel(engine, frames);
            address = new JTextField(JarPages.START_PAGE);
            address.addActionListener(e -> engine.loadUrl(panel.browserId(), address.getText()));
            status = new JLabel(onStandIn ? "Running on the " + STAND_IN_NOTE : "Engine: " + CefLib.getVersion());
            page = new JLabel(" ");
            progress = new JProgressBar(0, 100);
            progress.setStringPainted(true);
            progress.setString("no download");

            JPanel south = new JPanel(new BorderLayout(8, 4));
            south.setBorder(BorderFactory.createEmptyBorder(4, 8, 4, 8));
            if (onStandIn) {
                south.add(page, BorderLayout.NORTH);
            }
            south.add(status, BorderLayout.CENTER);
            south.add(progress, BorderLayout.EAST);
            frame.add(address, BorderLayout.NORTH);
            frame.add(panel, BorderLayout.CENTER);
            frame.add(south, BorderLayout.SOUTH);
            frame.setDefaultCloseOperation(JFrame.DO_NOTHING_ON_CLOSE);
            frame.addWindowListener(new WindowAdapter() {
                @Override
                public void windowClosing(WindowEvent e) {
                    // The window goes once the engine is down, not before: closing browsers
                    // still calls back into what the window holds.
                    frame.setTitle("Closing..." + suffix);
                    engine.close(() -> SwingUtilities.invokeLater(() -> {
                        frame.dispose();
                        closed.countDown();
                    }));
                }
            });
            frame.pack();
            frame.setLocation(0, 0);
            frame.setVisible(true);
            panel.requestFocusInWindow();
        }

        int awaitClosed() throws InterruptedException {
            closed.await();
            return 0;
        }

        void pageShows(String text) {
            SwingUtilities.invokeLater(() -> page.setText("The page shows: " + text));
        }

        @Override
        public void repaint() {
            panel.repaint();
        }

        @Override
        public void title(String title) {
            SwingUtilities.invokeLater(() -> frame.setTitle(title + suffix));
        }

        @Override
        public void address(String url) {
            SwingUtilities.invokeLater(() -> address.setText(url));
        }

        @Override
        public void cursor(int cursorType) {
            SwingUtilities.invokeLater(() -> panel.showCursor(cursorType));
        }

        @Override
        public void contextMenu(long browserId, int x, int y, int[] commandIds, boolean[] enabled) {
            SwingUtilities.invokeLater(() -> panel.showContextMenu(browserId, x, y, commandIds, enabled));
        }

        @Override
        public void download(String name, int percent, int state) {
            SwingUtilities.invokeLater(() -> {
                progress.setValue(Math.max(0, Math.min(100, percent)));
                String what = state == DownloadItem.STATE_COMPLETE ? "done"
                        : state == DownloadItem.STATE_CANCELED ? "cancelled" : percent + " %";
                progress.setString(name + ": " + what);
            });
        }

        @Override
        public void dragStarted(long browserId) {
            SwingUtilities.invokeLater(panel::startDrag);
        }
    }
}
