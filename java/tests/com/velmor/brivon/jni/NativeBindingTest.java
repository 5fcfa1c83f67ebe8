package com.velmor.brivon.jni;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertNotNull;

import java.io.IOException;
import java.lang.reflect.Method;
import java.lang.reflect.Modifier;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Paths;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;
import java.util.Map;
import java.util.TreeMap;
import org.junit.jupiter.api.Test;

/**
 * The bridge library binds CefLib's natives by their 32-bit Windows export names, which encode
 * the argument bytes, and reads arguments and writes results by their JNI types. A Java type
 * that differs from the library's (int for long, int for boolean) breaks the binding or
 * corrupts values, so both are checked against a table kept by hand.
 */
class NativeBindingTest {
    private static final String PKG = "Lcom/velmor/brivon/jni/";
    private static final String STRING = "Ljava/lang/String;";

    /** Method, JNI descriptor, stdcall argument bytes (8 for env and class, 8 per J or D, 4 per other). */
    private static final Object[][] NATIVES = {
        {"setLoadHandler", "(" + PKG + "LoadHandler;)V", 12},
        {"setRenderHandler", "(" + PKG + "RenderHandler;)V", 12},
        {"setMessageRouterHandler", "(" + PKG + "MessageRouterHandler;)V", 12},
        {"setDisplayHandler", "(" + PKG + "DisplayHandler;)V", 12},
        {"setDownloadHandler", "(" + PKG + "DownloadHandler;)V", 12},
        {"setLifeSpanHandler", "(" + PKG + "LifeSpanHandler;)V", 12},
        {"setRequestHandler", "(" + PKG + "RequestHandler;)V", 12},
        {"setResourceHandler", "(" + PKG + "ResourceHandler;)V", 12},
        {"setContextMenuHandler", "(" + PKG + "ContextMenuHandler;)V", 12},
        {"getVersion", "()" + PKG + "CefVersion;", 8},
        {"init", "(" + PKG + "CefSettings;)V", 12},
        {"doMessageLoopWork", "()V", 8},
        {"shutdown", "()V", 8},
        {"createBrowser", "()J", 8},
        {"createBrowserAsChild", "(JIIII)J", 32},
        {"closeBrowser", "(JZ)V", 20},
        {"isNoManaged", "(J)Z", 16},
        {"hasDocument", "(J)Z", 16},
        {"isPopup", "(J)Z", 16},
        {"getWindowHandle", "(J)J", 16},
        {"getOpenerWindowHandle", "(J)J", 16},
        {"showDevTools", "(J)V", 16},
        {"setZoomLevel", "(JD)V", 24},
        {"getZoomLevel", "(J)D", 16},
        {"loadUrl", "(J" + STRING + ")V", 20},
        {"loadString", "(J" + STRING + STRING + ")V", 24},
        {"getMainFrame", "(J)J", 16},
        {"getMainFrameUrl", "(J)" + STRING, 16},
        {"reload", "(J)V", 16},
        {"reloadIgnoreCache", "(J)V", 16},
        {"goForward", "(J)V", 16},
        {"goBack", "(J)V", 16},
        {"stopLoad", "(J)V", 16},
        {"executeJavaScript", "(J" + STRING + ")V", 20},
        {"addCss", "(J" + STRING + ")V", 20},
        {"resize", "(JII)V", 24},
        {"sendMouseClickEvent", "(JIIIZ)V", 32},
        {"sendMouseMoveEvent", "(JIIIZ)V", 32},
        {"sendMouseWheelEvent", "(JIIII)V", 32},
        {"sendKeyEvent", "(JIIIIZ)V", 36},
        {"dragTargetDragEnter", "(JII" + STRING + ")V", 28},
        {"dragTargetDragOver", "(JII)V", 24},
        {"dragTargetDrop", "(JII)V", 24},
        {"javaQuerySuccess", "(J" + STRING + ")V", 20},
        {"javaQueryFailure", "(JI" + STRING + ")V", 24},
    };

    @Test
    void everyNativeHasTheTypesTheLibraryBindsTo() {
        Map<String, String> expected = new TreeMap<>();
        for (Object[] row : NATIVES) {
            expected.put((String) row[0], (String) row[1]);
        }
        Map<String, String> actual = new TreeMap<>();
        List<String> problems = new ArrayList<>();
        for (Method method : CefLib.class.getDeclaredMethods()) {
            int modifiers = method.getModifiers();
            if (!Modifier.isNative(modifiers)) {
                continue;
            }
            if (!Modifier.isPublic(modifiers) || !Modifier.isStatic(modifiers)) {
                problems.add(method.getName() + " is not public static");
            }
            if (actual.put(method.getName(), Descriptors.of(method)) != null) {
                problems.add(method.getName() + " is overloaded; the library exports short names only");
            }
        }
        assertEquals(45, expected.size(), "rows of the table");
        for (Map.Entry<String, String> row : expected.entrySet()) {
            String found = actual.get(row.getKey());
            if (found == null) {
                problems.add(row.getKey() + " is missing");
            } else if (!found.equals(row.getValue())) {
                problems.add(row.getKey() + " is " + found + ", the library binds " + row.getValue());
            }
        }
        for (String name : actual.keySet()) {
            if (!expected.containsKey(name)) {
                problems.add(name + " is a native the library does not export");
            }
        }
        assertEquals(List.of(), problems);
    }

    @Test
    void generatedExportListHoldsTheDecoratedNameOfEveryNative() throws IOException {
        String file = System.getProperty("brivon.exports.file");
        assertNotNull(file, "system property brivon.exports.file names the generated list");
        List<String> listed = Files.readAllLines(Paths.get(file), StandardCharsets.US_ASCII);

        String[] expected = new String[NATIVES.length];
        for (int i = 0; i < NATIVES.length; i++) {
            expected[i] = "_Java_com_velmor_brivon_jni_CefLib_" + NATIVES[i][0] + "@" + NATIVES[i][2];
        }
        Arrays.sort(expected);
        List<String> wanted = Arrays.asList(expected);

        List<String> problems = new ArrayList<>();
        for (String name : wanted) {
            if (!listed.contains(name)) {
                problems.add("missing " + name);
            }
        }
        for (String name : listed) {
            if (!wanted.contains(name)) {
                problems.add("unexpected " + name);
            }
        }
        if (problems.isEmpty() && !listed.equals(wanted)) {
            problems.add("not sorted or has duplicates: " + listed);
        }
        assertEquals(List.of(), problems, "contents of " + file);
    }
}
