package com.velmor.brivon.bridge;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.sim.SimDriver;
import com.velmor.brivon.sim.SimView;
import com.velmor.brivon.testing.Engine;
import com.velmor.brivon.testing.RenderEvents;
import java.util.List;
import org.junit.jupiter.api.AfterAll;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.DisplayName;
import org.junit.jupiter.api.TestInstance;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.CsvSource;

/**
 * The legacy build reads dragTargetDragEnter's text through the virtual machine's UTF-8: what
 * reaches the engine's drag data is the same text as in the main build, cut at a NUL.
 */
@TestInstance(TestInstance.Lifecycle.PER_CLASS)
class LegacyDragTextTest {
    private long id;

    @BeforeAll
    void start() {
        CefLib.load(System.getProperty("brivon.legacy.library"));
        SimDriver.load(System.getProperty("cefsim.driver.library"));
        CefLib.setRenderHandler(new RenderEvents());
        Engine.start();
        id = CefLib.createBrowser();
    }

    @AfterAll
    void stop() {
        Engine.close(id);
        CefLib.shutdown();
    }

    @ParameterizedTest(name = "\"{0}\"")
    @DisplayName("legacy dragTargetDragEnter: the fragment text as Java gave it, up to a NUL, null as empty")
    @CsvSource(delimiter = '|', nullValues = "NULL", value = {
        "plain|plain",
        "Umlaute äö, € and ☃|Umlaute äö, € and ☃",
        "Hello 😀 World|Hello 😀 World",
        "a lone surrogate \uD800 kept|a lone surrogate \uD800 kept",
        "before\\0after|before",
        "NULL|''",
    })
    void enterText(String text, String expected) {
        int before = SimView.drags((int) id).size();
        CefLib.dragTargetDragEnter(id, 5, 6, text == null ? null : text.replace("\\0", "\0"));
        List<SimView.DragCall> drags = SimView.drags((int) id);
        assertEquals(before + 1, drags.size());
        assertArrayEquals(expected.toCharArray(), drags.get(before).text.toCharArray());
        assertEquals(16, drags.get(before).modifiers);
    }
}
