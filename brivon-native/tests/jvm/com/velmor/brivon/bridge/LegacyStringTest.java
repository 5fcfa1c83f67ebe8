package com.velmor.brivon.bridge;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertNotNull;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.jni.CefSettings;
import com.velmor.brivon.probe.CallbackProbe;
import com.velmor.brivon.sim.SimDriver;
import com.velmor.brivon.testing.Engine;
import com.velmor.brivon.testing.HardStrings;
import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.DisplayName;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.CsvSource;

/**
 * The legacy build's strings, which cross through the virtual machine's UTF-8 functions. Java
 * text reaches the engine as in the main build; engine text reaches Java as UTF-8 can carry it
 * to NewStringUTF.
 */
class LegacyStringTest {
    @BeforeAll
    static void load() {
        CefLib.load(System.getProperty("brivon.legacy.probe.library"));
        SimDriver.load(System.getProperty("cefsim.driver.library"));
    }

    private static String unescape(String text) {
        return text.replace("\\0", "\0");
    }

    @ParameterizedTest(name = "Java \"{0}\" reaches the engine as \"{1}\"")
    @DisplayName("Java strings reach the engine cut at their first NUL, otherwise unchanged")
    @CsvSource(delimiter = '|', value = {
        "plain|plain",
        "中文 und Umlaute äö, € and ☃|中文 und Umlaute äö, € and ☃",
        "Hello 😀 World, and more|Hello 😀 World, and more",
        "𝄞 and a lone surrogate \uD800 kept|𝄞 and a lone surrogate \uD800 kept",
        "before\\0after|before",
        "\\0leading|''",
        "''|''",
    })
    void javaToEngine(String java, String engine) {
        assertArrayEquals(engine.toCharArray(), CallbackProbe.toEngineUnits(unescape(java)));
    }

    @Test
    @DisplayName("a null Java string reaches the engine as the empty string")
    void nullIsEmpty() {
        assertEquals(0, CallbackProbe.toEngineUnits(null).length);
    }

    @ParameterizedTest(name = "engine \"{0}\" reaches Java as \"{1}\"")
    @DisplayName("engine strings reach Java whole, with U+FFFD for characters beyond the BMP, up to a NUL")
    @CsvSource(delimiter = '|', value = {
        "plain|plain",
        "中文 und Umlaute äö, € and ☃|中文 und Umlaute äö, € and ☃",
        "Hello 😀 World, and more|Hello \uFFFD World, and more",
        "😀𝄞|\uFFFD\uFFFD",
        "a lone \uDC00 low surrogate|a lone \uFFFD low surrogate",
        "with\\0nul\\0inside|with",
        "\\0leading|''",
        "''|''",
    })
    void engineToJava(String engine, String java) {
        String result = CallbackProbe.fromEngineUnits(unescape(engine).toCharArray());
        assertNotNull(result);
        assertEquals(java, result);
    }

    @Test
    @DisplayName("commandLines keys and values and the settings strings reach the engine as Java wrote them")
    void startupStrings() {
        LinkedHashMap<String, String> commandLines = new LinkedHashMap<>();
        commandLines.put("emoji-😀", "value 😀 €");
        commandLines.put("flag", null);
        commandLines.put("lang", "de\0dropped");
        commandLines.put("cut\0here", null);
        CefSettings settings = Engine.settings();
        settings.cachePath = "/tmp/legacy 😀 cache";
        settings.commandLines = commandLines;
        CefLib.init(settings);
        try {
            List<String> switches = new ArrayList<>();
            for (SimDriver.Switch s : SimDriver.switches()) {
                switches.add(s.toString());
            }
            assertEquals(List.of("emoji-😀=value 😀 €", "flag", "lang=de", "cut"), switches);
            assertEquals("/tmp/legacy 😀 cache", SimDriver.initSettings().cachePath);
        } finally {
            CefLib.shutdown();
        }
    }

    /**
     * What the legacy road can carry back: the text up to its first NUL, every character beyond
     * the BMP and every lone surrogate as U+FFFD (modified UTF-8 has no four-byte form, and a
     * lone surrogate has no UTF-8 form at all).
     */
    private static String legacyBack(String engine) {
        StringBuilder out = new StringBuilder();
        HardStrings.beforeNul(engine).codePoints().forEach(cp ->
                out.append(cp > 0xFFFF || (cp >= 0xD800 && cp <= 0xDFFF) ? '\uFFFD' : (char) cp));
        return out.toString();
    }

    @Test
    @DisplayName("seeded random hard strings, a million units long included: to the engine as in the main build, back as UTF-8 can carry them")
    void hardStringsBothWays() {
        long seed = HardStrings.seed();
        for (String text : HardStrings.make(seed, 2000)) {
            assertArrayEquals(HardStrings.beforeNul(text).toCharArray(), CallbackProbe.toEngineUnits(text), "seed " + seed);
            assertEquals(legacyBack(text), CallbackProbe.fromEngineUnits(text.toCharArray()), "seed " + seed);
        }
    }
}
