package com.velmor.brivon.bridge;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.jni.DownloadHandler;
import com.velmor.brivon.jni.DownloadItem;
import com.velmor.brivon.sim.SimDownloads;
import com.velmor.brivon.testing.Engine;
import java.io.IOException;
import java.io.InputStream;
import java.lang.management.ManagementFactory;
import java.lang.ref.WeakReference;
import java.lang.reflect.Constructor;
import java.util.function.IntSupplier;
import java.util.regex.Matcher;
import java.util.regex.Pattern;
import javax.management.ObjectName;
import org.junit.jupiter.api.DisplayName;
import org.junit.jupiter.api.Test;

/**
 * What the download-update path keeps from its first update (the method ids, a weak reference to
 * the handler's class) is let go of at shutdown: no JNI reference outlives the engine, and a
 * handler class that nothing else holds can be unloaded.
 */
class DownloadShutdownTest {
    private static final String ISOLATED = "com.velmor.brivon.bridge.IsolatedDownloadHandler";

    /** Defines the handler class itself, so that the class goes when this loader goes. */
    private static final class IsolatingLoader extends ClassLoader {
        IsolatingLoader(ClassLoader parent) {
            super(parent);
        }

        @Override
        protected Class<?> loadClass(String name, boolean resolve) throws ClassNotFoundException {
            if (!name.equals(ISOLATED)) {
                return super.loadClass(name, resolve);
            }
            synchronized (getClassLoadingLock(name)) {
                Class<?> found = findLoadedClass(name);
                if (found != null) {
                    return found;
                }
                try (InputStream in = getParent().getResourceAsStream(name.replace('.', '/') + ".class")) {
                    byte[] bytes = in.readAllBytes();
                    return defineClass(name, bytes, 0, bytes.length);
                } catch (IOException | NullPointerException e) {
                    throw new ClassNotFoundException(name, e);
                }
            }
        }
    }

    /** The virtual machine's counts of JNI global and weak global references, from its thread dump. */
    private static long[] jniReferences() throws Exception {
        Object dump = ManagementFactory.getPlatformMBeanServer().invoke(
                new ObjectName("com.sun.management:type=DiagnosticCommand"), "threadPrint",
                new Object[] {new String[0]}, new String[] {String[].class.getName()});
        Matcher m = Pattern.compile("JNI global refs: (\\d+), weak refs: (\\d+)").matcher(dump.toString());
        assertTrue(m.find(), "the thread dump gives the JNI reference counts");
        return new long[] {Long.parseLong(m.group(1)), Long.parseLong(m.group(2))};
    }

    /**
     * Registers a handler of a class of its own loader, gets one update to it (which keeps the
     * methods) and shuts down; the handler's class, which the caller holds only weakly.
     */
    private static WeakReference<Class<?>> updateThroughIsolatedHandler() throws Exception {
        ClassLoader loader = new IsolatingLoader(DownloadShutdownTest.class.getClassLoader());
        Class<?> isolated = loader.loadClass(ISOLATED);
        assertEquals(loader, isolated.getClassLoader());
        Constructor<?> constructor = isolated.getDeclaredConstructor();
        constructor.setAccessible(true);
        Object handler = constructor.newInstance();
        CefLib.setDownloadHandler((DownloadHandler) handler);
        long browser = CefLib.createBrowser();
        long download = SimDownloads.start((int) browser, "http://files.test/a.bin", "a.bin", 10);
        Engine.pumpUntil(() -> SimDownloads.record(download).stage == SimDownloads.SAVE_DIALOG, "the Save dialog");
        assertTrue(SimDownloads.chooseSavePath(download, "/tmp/a.bin"));
        IntSupplier updates = (IntSupplier) handler;
        Engine.pumpUntil(() -> updates.getAsInt() == 1, "the first update, which keeps the methods");
        Engine.close(browser);
        CefLib.shutdown();
        return new WeakReference<>(isolated);
    }

    @Test
    @DisplayName("after an update and shutdown no JNI reference is left and the handler's class can be unloaded")
    void shutdownLetsGoOfTheKeptMethods() throws Exception {
        jniReferences();  // the diagnostic command's own first-use references
        long[] before = jniReferences();
        Engine.load(false);
        Engine.start();

        WeakReference<Class<?>> handlerClass = updateThroughIsolatedHandler();
        assertTrue(Engine.collected(handlerClass), "the handler's class is unloaded");
        long[] after = jniReferences();
        assertEquals(before[1], after[1], "weak global references before and after");
        assertEquals(before[0], after[0], "global references before and after");
    }
}

/** A download handler that counts updates; loaded by its own class loader. */
final class IsolatedDownloadHandler implements DownloadHandler, IntSupplier {
    private int updates;

    @Override
    public boolean onBeforeDownload(long browserId, long downloadId, String suggestedName, String url) {
        return true;
    }

    @Override
    public void onInternalDownload(long browserId, long downloadId, String downloadPath) {
    }

    @Override
    public boolean onDownloadUpdated(DownloadItem item) {
        updates++;
        return true;
    }

    @Override
    public int getAsInt() {
        return updates;
    }
}
